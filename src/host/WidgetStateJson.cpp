#include "host/WidgetStateJson.h"

#include <cmath>

#include "system/ScreenSize.h"

JsonObject ButtonsJson(const std::vector<TButtonState>& buttons) {
    JsonObject all;
    for (const TButtonState& button : buttons) {
        JsonObject item;
        item.Set("image", button.Image);
        item.Set("rect", std::vector<int>{button.X, button.Y, button.W, button.H});
        item.Set("enabled", button.Enabled);
        item.Set("hover", button.Hover);
        item.Set("caption", button.Caption);
        all.SetRaw(button.Name, item.InlineText());
    }
    return all;
}

JsonObject DialogJson(const TDialogState& dialog) {
    JsonObject item;
    item.Set("kind", dialog.Kind);
    item.Set("caption", dialog.Caption);
    if (dialog.HasText) item.Set("text", dialog.Text);
    item.Set("Buttons", ButtonsJson(dialog.Buttons));
    if (dialog.HasList) {
        item.Set("names", dialog.Names);
        item.Set("selected", dialog.Selected);
        JsonObject rows;
        rows.Set("x", dialog.ListX);
        rows.Set("y", dialog.ListY);
        rows.Set("w", dialog.ListW);
        rows.Set("rowHeight", dialog.RowHeight);
        rows.Set("top", dialog.TopRow);
        rows.Set("visible", dialog.VisibleRows);
        item.SetRaw("list", rows.InlineText());
    }
    return item;
}

std::vector<std::string> TextsOfLayer(const std::vector<TDrawnText>& texts, int layer) {
    std::vector<std::string> shown;
    for (const TDrawnText& text : texts) {
        if (text.Layer == layer) shown.push_back(text.Text);
    }
    return shown;
}

std::vector<JsonObject> TextLayoutJson(const std::vector<TDrawnText>& texts) {
    const auto rect = [](const TTextRect& r) {
        return std::vector<int>{static_cast<int>(std::floor(r.X)),
                                static_cast<int>(std::floor(r.Y)), static_cast<int>(std::ceil(r.W)),
                                static_cast<int>(std::ceil(r.H))};
    };
    std::vector<JsonObject> all;
    for (const TDrawnText& text : texts) {
        JsonObject item;
        item.Set("text", text.Text);
        item.Set("layer", text.Layer);
        item.Set("rect", rect(text.Rect));
        item.Set("box",
                 rect(text.Bounded ? text.Bounds : TTextRect{0, 0, ScreenWidth, ScreenHeight}));
        item.Set("missing", text.Missing);
        all.push_back(std::move(item));
    }
    return all;
}
