#include "host/TGame.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "host/TLoadingScreen.h"
#include "media/Platform.h"
#include "presentation/TDialogStack.h"
#include "presentation/TGameFade.h"
#include "presentation/TMousePointer.h"
#include "store/IniValues.h"
#include "store/TIniFile.h"
#include "system/AtomicFile.h"
#include "system/InputHelpers.h"
#include "system/Paths.h"
#include "system/ReportError.h"
#include "system/Screenshot.h"
#include "system/SystemInfo.h"

TGame* Game = nullptr;

namespace {

bool FileExists(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

// An empty folder is the current one, never the root.
std::string FolderOf(const std::string& path) {
    const std::filesystem::path parent = std::filesystem::path(path).parent_path();
    return parent.empty() ? std::string("./") : FixPath(parent.string());
}

// The settings as they stand in the file, in the file's order.
// A key's value lives in the host or, when presentation reads it too, in the host's context.
struct IniKey {
    const char* Key;
    int TGame::*IntField;
    std::string TGame::*StringField;
    int TPresentationContext::*SharedField = nullptr;
};

const IniKey kIniKeys[] = {
    {"Full Screen", &TGame::FullScreen, nullptr},
    {"Sound", &TGame::Sound, nullptr},
    {"Music", &TGame::Music, nullptr},
    {"Speech", &TGame::Speech, nullptr},
    {"Sound Volume", nullptr, nullptr, &TPresentationContext::SoundVolume},
    {"Music Volume", nullptr, nullptr, &TPresentationContext::MusicVolume},
    {"Speech Volume", nullptr, nullptr, &TPresentationContext::SpeechVolume},
    {"Fade", nullptr, nullptr, &TPresentationContext::Fade},
    {"Particles", nullptr, nullptr, &TPresentationContext::Particles},
    {"Portal Splash", &TGame::PortalSplash, nullptr},
    {"Portal Splash2", &TGame::PortalSplash2, nullptr},
    {"Intro", &TGame::IntroShow, nullptr},
    {"VSync", &TGame::VSync, nullptr},
    {"Driver", &TGame::Driver, nullptr},
    {"Sound Driver", nullptr, &TGame::SoundDriver},
    {"Full Screen Process Priority", &TGame::FullScreenProcess, nullptr},
    {"Full Screen Thread Priority", &TGame::FullScreenThread, nullptr},
    {"Windowed Process Priority", &TGame::WindowedProcess, nullptr},
    {"Windowed Thread Priority", &TGame::WindowedThread, nullptr},
    {"Profile Name", nullptr, &TGame::ProfileName},
    {"Region", &TGame::Region, nullptr},
    {"Sub-Region", &TGame::SubRegion, nullptr},
};

std::string Upper(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return text;
}

std::string MarkerPath(const char* name) {
    if (Game->UseCorrectPath) return Game->SubPath + name;
    return std::string("data/") + name;
}

}  // namespace

TGame::TGame()
    : Ini(std::make_unique<TIniFile>()),
      LoadingScreen(std::make_shared<TLoadingScreen>()),
      ExitScreen(std::make_unique<TExitScreen>()),
      GameFade(std::make_unique<TGameFade>()),
      Mouse(std::make_unique<TMousePointer>()),
      Dialogs(std::make_unique<TDialogStack>()) {
    Game = this;
    // The game's own default; a context without a host keeps every particle.
    Presentation.Particles = 80;
    Presentation.Mouse = Mouse.get();
    Presentation.GameFade = GameFade.get();
    Presentation.CalcAnimLength = [this](float ms) { return CalcAnimLength(ms); };
    Presentation.GameSoundPlay = [this](media::Channel& channel, const TGameSound& sound,
                                        float pan) { GameSoundPlay(channel, sound, pan); };
    Presentation.SpeechStop = [this] { SpeechStop(); };
    Presentation.PostFadeIn = [this] {
        if (CurrentTScreen) CurrentTScreen->PostFadeIn();
    };
    InstallPresentationContext(&Presentation);
}

TGame::~TGame() {
    if (Game == this) Game = nullptr;
    if (&PresentationContext() == &Presentation) InstallPresentationContext(nullptr);
}

void TGame::Init(int type) {
    media::SeedRandom(SeedOverride >= 0 ? static_cast<std::uint32_t>(SeedOverride)
                                        : static_cast<std::uint32_t>(media::MilliSecs()));
    FixedRateLogic.Label = "Ticks   ";
    LogicTime.Label = "Logic   ";
    DrawTime.Label = "Draw    ";
    CodeTime.Label = "Code    ";
    FPS.Label = "FPS     ";

    if (UseCorrectPath) {
        std::error_code error;
        if (!std::filesystem::is_directory(SubPath, error)) {
            std::filesystem::create_directories(SubPath, error);
            if (!std::filesystem::is_directory(SubPath, error)) {
                ReportError("Cannot create shared data folder " + SubPath, true);
            }
        }
        if (!GrantFullAccess(SubPath)) {
            ReportError("Cannot give shared data folder full access!", true);
        }
    }

    Ini->FileName = IniFileName();
    IniFill();
    const std::string defaults = media::ResolvePath(DataPrefix + "data/Default.ini");
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

    std::error_code error;
    if (!std::filesystem::is_directory(ProfilePath, error)) {
        std::filesystem::create_directory(ProfilePath, error);
        if (!std::filesystem::is_directory(ProfilePath, error)) {
            ReportError("Cannot create shared profiles folder " + ProfilePath, true);
        }
    }
    RemoveWriterLeftovers(FolderOf(Ini->Path()));
    RemoveWriterLeftovers(ProfilePath);

    SetFlipSync();

    std::string driver = SoundDriver == "None" ? "FreeAudio" : SoundDriver;
    if (type == 1) driver = "FreeAudio";
    if (type == 2) driver = "DirectSound";
    if (type == 3) driver = "OpenAL Generic Software";
    ChangeSoundDriver(driver, 0);
    OSVersion = GetOSVersionName();
    if (OSVersion != "Windows XP") {
        SoundDriver = "OpenAL Generic Software";
        ChangeSoundDriver(SoundDriver, 0);
    }

    FixedRateLogic.Create();
    MusicChannel = media::AllocChannel();
    Presentation.SpeechChannel = media::AllocChannel();
    EscapeChannel = media::AllocChannel();
}

std::string TGame::IniFileName() const {
    std::string base = AppFileName();
    const auto slash = base.find_last_of("/\\");
    if (UseCorrectPath) {
        if (slash != std::string::npos) base = base.substr(slash + 1);
        const auto dot = base.find_last_of('.');
        if (dot != std::string::npos && dot > 0) base = base.substr(0, dot);
        return SubPath + base;
    }
    const auto dot = base.find_last_of('.');
    if (dot != std::string::npos && (slash == std::string::npos || dot > slash)) {
        base = base.substr(0, dot);
    }
    return base;
}

namespace {

int* IntValue(TGame& game, const IniKey& key) {
    if (key.IntField) return &(game.*key.IntField);
    if (key.SharedField) return &(game.Presentation.*key.SharedField);
    return nullptr;
}

}  // namespace

void TGame::IniFill() {
    Ini->Lines.clear();
    for (const IniKey& key : kIniKeys) {
        const int* number = IntValue(*this, key);
        if (!number) {
            Ini->Add(key.Key, this->*key.StringField);
            continue;
        }
        // A display mode chosen on the command line is for this run only, and a celebration's
        // quieter music is not the player's choice.
        int value = *number;
        if (key.IntField == &TGame::FullScreen && FullScreenOverride >= 0) value = FullScreenSaved;
        if (key.SharedField == &TPresentationContext::MusicVolume) value = MusicChosenVolume();
        Ini->Add(key.Key, std::to_string(value));
    }
}

void TGame::IniExtract() {
    for (const TIniLine& line : Ini->Lines) {
        for (const IniKey& key : kIniKeys) {
            if (line.Name != Upper(key.Key)) continue;
            if (int* number = IntValue(*this, key)) {
                *number = line.IntValue();
            } else {
                this->*key.StringField = line.Value;
            }
        }
    }
}

void TGame::IniUpdate(int flag) {
    IniFill();
    // Unchanged settings need no repair after a crash, and a home that cannot be written can
    // still be played in as long as nothing changes.
    if (ReadWholeFile(Ini->Path()) == Ini->Text()) return;
    Ini->Save();
    if (flag == 1 && !WriteFileAtomic(MarkerPath("inichanged.dat"), "")) {
        ReportError("Could not create file '" + MarkerPath("inichanged.dat") + "'", false);
    }
}

void TGame::MakeGoodExit() {
    if (!WriteFileAtomic(MarkerPath("GoodExit.dat"), "")) {
        ReportError("Could not create file '" + MarkerPath("GoodExit.dat") + "'", false);
    }
}

void TGame::CheckGoodExit() {
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
        const std::string defaults = media::ResolvePath(DataPrefix + "data/default.ini");
        if (CopyIniWithValue(defaults, iniPath, "profile name", profile) == 1) {
            media::Notify("Default ini file restored!", false);
        }
    }
    std::filesystem::remove(changed, error);
}

void TGame::SetDefaultPaths() {
    SetImagePath(DataPrefix + "Data/graphics");
    SetSoundPath(DataPrefix + "Data/sound");
    SetMusicPath(DataPrefix + "Data/music");
    SetSpeechPath(DataPrefix + "Data/speech");
    SetMenuPath(DataPrefix + "Data/menus");
    SetProfilePath(UseCorrectPath ? "profiles" : DataPrefix + "Data/profiles");
    SetTextPath(DataPrefix + "Data/text");
    SetLevelsPath(DataPrefix + "Data/levels");
}

void TGame::SetSubPath(const std::string& path) {
    SubPath = path.empty() ? "" : FixPath(path);
    if (UseCorrectPath) {
        SubPath = media::CommonAppDataFolder() + SubPath;
        ApplySubPath();
    }
    Errors().ErrorLogFolder = SubPath;
}

void TGame::SetSubPathWrapper(const std::string& path) {
    SetDefaultPaths();
    SetSubPath(path);
}

void TGame::ApplySubPath() {
    SetProfilePath(SubPath + ProfilePath);
}

void TGame::SetImagePath(const std::string& path) {
    Presentation.ImagePath = FixPath(path);
}
void TGame::SetSoundPath(const std::string& path) {
    Presentation.SoundPath = FixPath(path);
}
void TGame::SetMusicPath(const std::string& path) {
    MusicPath = FixPath(path);
}
void TGame::SetSpeechPath(const std::string& path) {
    SpeechPath = FixPath(path);
}
void TGame::SetMenuPath(const std::string& path) {
    Presentation.MenuPath = FixPath(path);
}
void TGame::SetProfilePath(const std::string& path) {
    ProfilePath = FixPath(path);
}
void TGame::SetTextPath(const std::string& path) {
    Presentation.TextPath = FixPath(path);
}
void TGame::SetLevelsPath(const std::string& path) {
    LevelsPath = FixPath(path);
}

void TGame::ParticlesSet(int percent, int save) {
    Presentation.Particles = std::clamp(percent, 0, 100);
    if (save == 1) {
        IniUpdate(1);
        FixedRateLogic.Init();
    }
}

void TGame::ParticlesChange(int change) {
    ParticlesSet(Presentation.Particles + change, 1);
}

float TGame::CalcAnimLength(float ms) const {
    return ms / FixedRateLogic.MS / CurrentSpeed;
}

float TGame::CalcAnimLengthFromFloat(float ms) const {
    return CalcAnimLength(ms);
}

int TGame::CalcMilliSecsFromFrames(float frames) const {
    return static_cast<int>(frames * FixedRateLogic.MS * CurrentSpeed);
}

void TGame::SetFlipSync() {
    Presentation.FlipSyncMode = VSync ? 1 : 0;
}

void TGame::FastOn() {
    Fast = 1;
    LastFlipSync = Presentation.FlipSyncMode;
    Presentation.FlipSyncMode = 0;
    FixedRateLogic.Init();
    FixedRateLogic.HistoryClear();
}

void TGame::FastOff() {
    if (Fast != 1) return;
    Fast = 0;
    Presentation.FlipSyncMode = LastFlipSync;
    FixedRateLogic.Init();
    FixedRateLogic.HistoryClear();
}

void TGame::SlowMotionOn() {
    SlowMotion = 1;
    CurrentSpeed = SlowMotionSpeed;
    FixedRateLogic.Framerate =
        static_cast<float>(FixedRateLogic.FramerateDefault) * SlowMotionSpeed;
    FixedRateLogic.CalcMS();
    FixedRateLogic.Init();
}

void TGame::SlowMotionOff() {
    SlowMotion = 0;
    CurrentSpeed = 1.0f;
    FixedRateLogic.Framerate = static_cast<float>(FixedRateLogic.FramerateDefault);
    FixedRateLogic.CalcMS();
    FixedRateLogic.Init();
}

void TGame::SetGP(int x, int y) {
    gpX = x;
    gpY = y;
}

int TGame::Fading() const {
    return GameFade->Active;
}

void TGame::FadeOff() {
    Presentation.NoFade = true;
}

std::string TGame::TakeScreenshot() {
    const std::string path = SaveScreenshot(UseCorrectPath ? SubPath : "");
    FlushKeyState();
    FixedRateLogic.Init();
    return path;
}
