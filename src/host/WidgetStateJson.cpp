#include "host/WidgetStateJson.h"

std::vector<JsonObject> ButtonsJson(const std::vector<TButtonState>& buttons) {
    std::vector<JsonObject> list;
    for (const TButtonState& button : buttons) {
        JsonObject item;
        item.Set("name", button.Name);
        item.Set("image", button.Image);
        item.Set("x", button.X);
        item.Set("y", button.Y);
        item.Set("w", button.W);
        item.Set("h", button.H);
        item.Set("enabled", button.Enabled);
        item.Set("hover", button.Hover);
        list.push_back(std::move(item));
    }
    return list;
}

JsonObject DialogJson(const TDialogState& dialog) {
    JsonObject item;
    item.Set("kind", dialog.Kind);
    item.Set("caption", dialog.Caption);
    if (dialog.HasText) item.Set("text", dialog.Text);
    item.SetInline("buttons", ButtonsJson(dialog.Buttons));
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
