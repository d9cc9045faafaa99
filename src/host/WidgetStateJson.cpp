#include "host/WidgetStateJson.h"

JsonObject ButtonsJson(const std::vector<TButtonState>& buttons) {
    JsonObject all;
    for (const TButtonState& button : buttons) {
        JsonObject item;
        item.Set("image", button.Image);
        item.Set("rect", std::vector<int>{button.X, button.Y, button.W, button.H});
        item.Set("enabled", button.Enabled);
        item.Set("hover", button.Hover);
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
