#pragma once
// What a test or tool needs to find and read the widgets on screen: buttons by name with their
// rectangles, and the open dialogs with their texts.

#include <string>
#include <vector>

class TMenu;

struct TButtonState {
    std::string Name;                // the name a menu reports it by (upper case)
    std::string Image;               // the picture's base name, upper-cased as pictures are kept
    int X = 0, Y = 0, W = 0, H = 0;  // on the 800 x 600 screen
    int Enabled = 1;
    int Hover = 0;
    std::string Caption;  // the text it shows, in the player's language ("" for none)
};

struct TDialogState {
    std::string Kind;  // the dialog's class: TDialogOK, TDialogYesNo, TDialogTextInput, ...
    std::string Caption;
    bool HasText = false;  // a text field: Text holds what is typed
    std::string Text;
    std::vector<TButtonState> Buttons;
    bool HasList = false;  // a list: Names and the Selected row (-1 none)
    std::vector<std::string> Names;
    int Selected = -1;
    // Where the list's rows are: row i (from TopRow on) spans RowHeight pixels from
    // ListY + (i - TopRow) * RowHeight, across ListW pixels from ListX.
    int ListX = 0, ListY = 0, ListW = 0, RowHeight = 0, TopRow = 0, VisibleRows = 0;
};

// The menu's active buttons, in the menu's order.
std::vector<TButtonState> DescribeMenu(const TMenu& menu);
