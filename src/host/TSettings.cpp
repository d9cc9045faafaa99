#include "host/TSettings.h"

#include <filesystem>
#include <system_error>

#include "host/TDataPaths.h"
#include "media/Platform.h"
#include "presentation/TPresentationContext.h"
#include "store/IniValues.h"
#include "store/TIniFile.h"
#include "system/AtomicFile.h"
#include "system/Paths.h"
#include "system/ReportError.h"

namespace {

bool FileExists(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

// A key's value lives in the settings or, when presentation reads it too, in its context.
struct IniKey {
    const char* Key;
    int TSettings::*IntField;
    std::string TSettings::*StringField;
    int TPresentationContext::*SharedField = nullptr;
};

// The file's keys, in the file's order.
const IniKey kIniKeys[] = {
    {"Full Screen", &TSettings::FullScreen, nullptr},
    {"Sound", &TSettings::Sound, nullptr},
    {"Music", &TSettings::Music, nullptr},
    {"Speech", &TSettings::Speech, nullptr},
    {"Sound Volume", nullptr, nullptr, &TPresentationContext::SoundVolume},
    {"Music Volume", nullptr, nullptr, &TPresentationContext::MusicVolume},
    {"Speech Volume", nullptr, nullptr, &TPresentationContext::SpeechVolume},
    {"Fade", nullptr, nullptr, &TPresentationContext::Fade},
    {"Particles", nullptr, nullptr, &TPresentationContext::Particles},
    {"Portal Splash", &TSettings::PortalSplash, nullptr},
    {"Portal Splash2", &TSettings::PortalSplash2, nullptr},
    {"Intro", &TSettings::IntroShow, nullptr},
    {"VSync", &TSettings::VSync, nullptr},
    {"Driver", &TSettings::Driver, nullptr},
    {"Sound Driver", nullptr, &TSettings::SoundDriver},
    {"Full Screen Process Priority", &TSettings::FullScreenProcess, nullptr},
    {"Full Screen Thread Priority", &TSettings::FullScreenThread, nullptr},
    {"Windowed Process Priority", &TSettings::WindowedProcess, nullptr},
    {"Windowed Thread Priority", &TSettings::WindowedThread, nullptr},
    {"Profile Name", nullptr, &TSettings::ProfileName},
    {"Region", &TSettings::Region, nullptr},
    {"Sub-Region", &TSettings::SubRegion, nullptr},
};

std::string Upper(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return text;
}

}  // namespace

TSettings::TSettings(TPresentationContext& presentation, const TDataPaths& paths)
    : Presentation(presentation), Paths(paths), Ini(std::make_unique<TIniFile>()) {}

TSettings::~TSettings() = default;

std::string TSettings::IniFileName() const {
    std::string base = AppFileName();
    const auto slash = base.find_last_of("/\\");
    if (slash != std::string::npos) base = base.substr(slash + 1);
    const auto dot = base.find_last_of('.');
    if (dot != std::string::npos && dot > 0) base = base.substr(0, dot);
    return Paths.SubPath + base;
}

void TSettings::Load() {
    Ini->FileName = IniFileName();
    IniFill();
    const std::string defaults = media::ResolvePath(Paths.DataPrefix + "data/Default.ini");
    if (!FileExists(Ini->Path())) {
        // Through the crash-safe writer: a copy cut short would leave an empty settings file
        // that silently stands for the built-in defaults from then on.
        if (const auto shipped = ReadWholeFile(defaults)) {
            (void)WriteFileAtomic(Ini->Path(), *shipped);
        }
    }
    Ini->Load();
    IniExtract();
    if (FullScreenOverride >= 0) {
        FullScreenSaved = FullScreen;
        FullScreen = FullScreenOverride;
    }
}

void TSettings::IniFill() {
    Ini->Lines.clear();
    for (const IniKey& key : kIniKeys) {
        if (key.StringField) {
            Ini->Add(key.Key, this->*key.StringField);
            continue;
        }
        // A display mode chosen on the command line is for this run only, and a celebration's
        // quieter music is not the player's choice.
        int value = key.IntField ? this->*key.IntField : Presentation.*key.SharedField;
        if (key.IntField == &TSettings::FullScreen && FullScreenOverride >= 0) {
            value = FullScreenSaved;
        }
        if (key.SharedField == &TPresentationContext::MusicVolume && ChosenMusicVolume) {
            value = ChosenMusicVolume();
        }
        Ini->Add(key.Key, std::to_string(value));
    }
}

void TSettings::IniExtract() {
    for (const TIniLine& line : Ini->Lines) {
        for (const IniKey& key : kIniKeys) {
            if (line.Name != Upper(key.Key)) continue;
            if (key.StringField) {
                this->*key.StringField = line.Value;
            } else if (key.IntField) {
                this->*key.IntField = line.IntValue();
            } else {
                Presentation.*key.SharedField = line.IntValue();
            }
        }
    }
}

void TSettings::IniUpdate(int flag) {
    IniFill();
    // Unchanged settings need no repair after a crash, and a home that cannot be written can
    // still be played in as long as nothing changes.
    if (ReadWholeFile(Ini->Path()) == Ini->Text()) return;
    Ini->Save();
    if (flag == 1 && !WriteFileAtomic(MarkerPath("inichanged.dat"), "")) {
        ReportError("Could not create file '" + MarkerPath("inichanged.dat") + "'", false);
    }
}

std::string TSettings::MarkerPath(const char* name) const {
    return Paths.SubPath + name;
}

void TSettings::MakeGoodExit() const {
    if (!WriteFileAtomic(MarkerPath("GoodExit.dat"), "")) {
        ReportError("Could not create file '" + MarkerPath("GoodExit.dat") + "'", false);
    }
}

void TSettings::CheckGoodExit() const {
    const std::string good = media::ResolvePath(MarkerPath("GoodExit.dat"));
    const std::string changed = media::ResolvePath(MarkerPath("inichanged.dat"));
    std::error_code error;
    if (FileExists(good)) {
        std::filesystem::remove(good, error);
    } else if (FileExists(changed)) {
        // The last run ended without a clean exit after saving settings: restore the shipped
        // settings, keeping the player. Nothing is deleted until the new file is written.
        const std::string iniPath = IniFileName() + ".ini";
        const std::string profile = ReadIniValue(iniPath, "profile name");
        const std::string defaults = media::ResolvePath(Paths.DataPrefix + "data/default.ini");
        if (CopyIniWithValue(defaults, iniPath, "profile name", profile) == 1) {
            media::Notify("Default ini file restored!", false);
        }
    }
    std::filesystem::remove(changed, error);
}
