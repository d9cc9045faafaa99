#pragma once
// The settings file: its 22 keys in the file's order, their values, and the crash markers that
// bring the shipped settings back after a run that ended badly while saving them.

#include <functional>
#include <memory>
#include <string>

class TDataPaths;
class TIniFile;
struct TPresentationContext;

class TSettings {
public:
    // The volumes, the fade switch and the particle share are kept in `presentation`, which
    // reads them; the rest live here.
    TSettings(TPresentationContext& presentation, const TDataPaths& paths);
    ~TSettings();
    TSettings(const TSettings&) = delete;
    TSettings& operator=(const TSettings&) = delete;

    int FullScreen = 1;
    int Sound = 1, Music = 1, Speech = 1;
    int PortalSplash = 0, PortalSplash2 = 0;
    int IntroShow = 0;
    int VSync = 1;
    int Driver = 0;
    std::string SoundDriver = "FreeAudio";
    int FullScreenProcess = 0, FullScreenThread = 0;
    int WindowedProcess = 0, WindowedThread = 0;
    std::string ProfileName;
    int Region = 0, SubRegion = 0;

    // Full screen or window for this run only (-1: none): the file keeps the player's choice.
    int FullScreenOverride = -1;
    // The music volume the player chose, which a celebration's quieter music does not change.
    std::function<int()> ChosenMusicVolume;

    // The file's path without ".ini": the program's base name in the shared folder.
    [[nodiscard]] std::string IniFileName() const;
    [[nodiscard]] TIniFile& File() const { return *Ini; }
    // Reads the file, made from the shipped defaults when there is none, into the values.
    void Load();
    void IniFill();
    void IniExtract();
    // Saves the values when they changed; flag 1 also leaves the marker that says so.
    void IniUpdate(int flag);

    // The marker of a clean end, and the check at start-up for the one before.
    void MakeGoodExit() const;
    void CheckGoodExit() const;

private:
    TPresentationContext& Presentation;
    const TDataPaths& Paths;
    std::unique_ptr<TIniFile> Ini;
    // The player's own choice of display mode while a run-only override is in force.
    int FullScreenSaved = 1;

    [[nodiscard]] std::string MarkerPath(const char* name) const;
};
