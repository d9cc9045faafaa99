#pragma once
// What screens, dialogs and the play screen use of the host, handed to each when it is made:
// the parts of the host by what they do.

class TAudioBuses;
class TDataPaths;
class TDialogStack;
class TDisplay;
class TFixedRateLogic;
class TLanguageChoice;
class TMainLoop;
class TPlayerSession;
class TPreferences;
class TScreenSwitcher;
class TSettings;
struct TPresentationContext;

struct THost {
    TScreenSwitcher& Screens;
    TMainLoop& Loop;
    TFixedRateLogic& Timing;
    TAudioBuses& Audio;
    TDisplay& Display;
    TSettings& Settings;
    TPlayerSession& Session;
    TDialogStack& Dialogs;
    TDataPaths& Paths;
    TPresentationContext& Presentation;
    TPreferences& Preferences;
    TLanguageChoice& Language;
};
