#pragma once
// The game host: owns the settings, display and sound switches, data paths, screen switching,
// pause and suspension, the global keys, the channels and the timing objects. One object, the
// global `Game`, made at start-up.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "host/TFixedRateLogic.h"
#include "host/TScreen.h"
#include "host/TTrackingVar.h"
#include "media/Media.h"
#include "presentation/TPresentationContext.h"
#include "system/ScreenSize.h"

class TIniFile;
class TGameFade;
class TMousePointer;
class TSprite;
class TGameSound;
class TChannelArray;
class TGameChannel;
class THighScoreList;
class TProfile;
class TLoadingScreen;
class TDialogStack;

class TGame {
public:
    TGame();
    ~TGame();
    TGame(const TGame&) = delete;
    TGame& operator=(const TGame&) = delete;

    // What presentation code reads of the host, installed for this host's lifetime: the step
    // length, the speed, the particle share, the image, sound, menu and text folders, the
    // volumes, the speech channel, the scroll offsets, the fade flags, and the pointer, channels
    // and fade this host owns. The host keeps these values there only.
    TPresentationContext Presentation;

    std::unique_ptr<TIniFile> Ini;
    int FullScreen = 1;
    int ForceWindowedMode = 0;
    int Hertz = 60;
    int Depth = 0;
    int DesktopRefreshRate = 0;
    int GameRefreshRate = 0;
    int Fast = 0;
    int LastFlipSync = 0;
    int SlowMotion = 0;
    float SlowMotionSpeed = 0.25f;
    float CurrentSpeed = 1.0f;
    int WindowHandle = 0;
    int WindowX = 0, WindowY = 0;
    int ClientX = 0, ClientY = 0;
    // The screen running now, the one the running fade-out leads to, and the one before the last
    // switch. Only the host writes them: screens ask through FadeToScreen and VisitScreen.
    TScreen* CurrentTScreen = nullptr;
    TScreen* DestinationTScreen = nullptr;
    TScreen* LastTScreen = nullptr;
    int LagFix = 0;
    int VSync = 1;
    int FadeOnExit = 1;
    // Length in milliseconds of the screen fades, and of Escape's when a screen gives none.
    int EscapeFadeLength = 0;
    int NoTiming = 0;
    int NoTimingTicks = 1;
    int Driver = 0;
    std::string DirectXVersion;
    int DesktopWidth = 0, DesktopHeight = 0;
    int FullScreenProcess = 0, FullScreenThread = 0;
    int WindowedProcess = 0, WindowedThread = 0;
    int DataInAppBundle = 0;
    int UseCorrectPath = 1;
    std::string SubPath = "Orvantis/My Game/";
    std::string DataPrefix;
    // The image, sound, menu and text folders are in Presentation.
    std::string MusicPath, SpeechPath, ProfilePath, LevelsPath;

    // Sound effects, music and speech.
    int Sound = 1, Music = 1, Speech = 1;
    media::Sound MusicSample;
    media::Channel MusicChannel;
    std::string MusicFileName = "none", MusicName = "none";
    int MusicLooped = 1;
    int MusicRestart = 1;
    int MusicStopped = 0;
    float MusicFadeIn = 50.0f;
    float MusicFadeInCounter = 0.0f;
    float MusicFadeOut = 1000.0f;
    float MusicFadeOutCounter = 0.0f;
    // The player's music volume while a celebration plays the music quieter for a while (-1 when
    // the music plays at the player's volume): the settings file and the options keep this one.
    int MusicVolumeLowered = -1;
    float PauseFadeLength = 100.0f;
    float PauseFadeCounter = 0.0f;
    int PauseFadeDirection = 0;
    media::Channel SpecialChannel;
    std::shared_ptr<TGameSound> EscapeSound;
    media::Channel EscapeChannel;
    // Sounds played without a channel of the caller's: held here until they have been heard,
    // as a channel let go stops its sound.
    std::vector<media::Channel> LooseChannels;
    std::string SoundDriver = "FreeAudio";
    std::shared_ptr<TChannelArray> Channels;
    int SpeechStopped = 0;

    std::shared_ptr<TSprite> SpritePaused;
    int FirstTime = 1;
    int InstantExit = 0;
    int NoDraw = 0;
    int PortalSplash = 0, PortalSplash2 = 0;
    int IntroShow = 0;
    int Paused = 0;
    int DimWhenPaused = 1;
    int PauseOnLossOfFocus = 0;
    int PausedMusicState = 1, PausedSpeechState = 1;
    int Suspended = 0;
    int MaxLevels = 10;
    int TerminatedEvent = 0;
    std::function<int()> TerminatedUserFunction;
    int SuspendedEvent = 0;
    int IgnoreEscapeKey = 0, IgnoreFrameworkKeys = 0, IgnorePauseKey = 0, IgnoreDebugKey = 0;
    std::string OSVersion = "Mac OSX";
    std::function<void()> PausedUserFunction, UserSuspendFunction, UserResumeFunction;
    TFixedRateLogic FixedRateLogic{Presentation.Delta};
    int Debug = 0;
    media::Font DebugImageFont;
    int DebugImageFontGap = 12;
    int DebugShadow = 1;
    int DebugShowFPSOnly = 0;
    float DebugPanel = 0.4f;
    int Debug1 = 0, Debug2 = 0;
    float Debug3 = 0, Debug4 = 0;
    int DebugDisplayX = 0, DebugDisplayY = 0;
    TDebugVar LogicTime, DrawTime, CodeTime;
    TFPSCounter FPS;
    int GraphicPlacement = 0;
    int gpX = 0, gpY = 0;
    std::shared_ptr<TLoadingScreen> LoadingScreen;
    // When the loading screen was last shown, in milliseconds.
    int LoadingShownAt = 0;
    std::unique_ptr<TScreen> ExitScreen;
    std::unique_ptr<TGameFade> GameFade;
    std::unique_ptr<TMousePointer> Mouse;
    // The open dialogs: while one is open it takes the logic step's input in place of the
    // current screen, and Escape goes to it, never to the host's exit.
    std::unique_ptr<TDialogStack> Dialogs;
    std::shared_ptr<THighScoreList> HighScores;
    std::shared_ptr<TProfile> CurrentProfile;
    std::string ProfileName;
    int Region = 0, SubRegion = 0;

    // Logic steps run since start-up: the clock of repeatable runs (NoTiming).
    long long LogicSteps = 0;
    // Seeds the random numbers instead of the clock when set (repeatable runs).
    long long SeedOverride = -1;
    // Full screen or window for this run only: the settings file keeps its own value.
    int FullScreenOverride = -1;
    int FullScreenSaved = 1;

    // Escape hits recorded for the screen while the host ignores Escape.
    int EscapeHitFlags[256] = {};
    // Saves the current profile; wired at start-up (the profile code sits above the host).
    std::function<void()> SaveProfileFunction;
    // Runs at the start of every logic step (scripted input enters the event queue here).
    std::function<void()> BeforeStepFunction;
    // Runs after a frame is drawn and before it is shown (scripted screenshots read it here).
    std::function<void()> BeforeFlipFunction;

    // Start-up, settings, crash markers (host start-up and settings file).
    void Init(int type);
    void IniFill();
    void IniExtract();
    void IniUpdate(int flag);
    static void MakeGoodExit();
    void CheckGoodExit();
    std::string IniFileName() const;

    // Display.
    void GraphicsCreate();
    void SetPriority();
    void ToggleFullScreen();
    void ToggleVSync();
    int SetDriver(int driver);
    void CheckDisplayModes();
    void SetWindowCoords();
    void SetClientCoords();
    void RestoreMouseCoords();

    // Debug overlay.
    void DebugReset();
    void SetGP(int x, int y);

    // Window, focus and close requests.
    int CheckWindow();
    int GameTerminated();
    void SpritePausedCreate(const media::Image& image);
    void ShowPaused();

    // Paths.
    void SetDefaultPaths();
    void SetSubPath(const std::string& path);
    void SetSubPathWrapper(const std::string& path);
    void ApplySubPath();
    void SetImagePath(const std::string& path);
    void SetSoundPath(const std::string& path);
    void SetMusicPath(const std::string& path);
    void SetSpeechPath(const std::string& path);
    void SetMenuPath(const std::string& path);
    void SetProfilePath(const std::string& path);
    void SetTextPath(const std::string& path);
    void SetLevelsPath(const std::string& path);

    // Keys and timing.
    int ReadKeys();
    void FastOn();
    void FastOff();
    void SlowMotionOn();
    void SlowMotionOff();
    void SetFlipSync();
    void Pause();
    void UnPause();

    // Music, speech and sound effects.
    void MusicLoad(const std::string& name, int looped);
    void MusicSet(const media::Sound& sound, const std::string& name, int looped);
    void MusicStop();
    void MusicPlay(int fade);
    void MusicNone();
    float MusicFadeInCalc();
    float MusicFadeOutCalc();
    void MusicFadeInApply();
    void MusicFadeOutApply();
    void MusicFadeInManage();
    void MusicFadeOutManage();
    void MusicFadeOutSet(float ms);
    // The player's music volume: a volume set here ends any lowering.
    void MusicSetVolume(int volume, int save);
    // Plays the music at `volume` for a while without touching the player's volume, which the
    // settings file keeps; MusicRestoreVolume brings the player's volume back.
    void MusicLowerVolume(int volume);
    void MusicRestoreVolume();
    // The music volume the player chose, lowered or not.
    [[nodiscard]] int MusicChosenVolume() const;
    void MusicChangeVolume(int change);
    void ToggleMusic();
    int MusicOff();
    int MusicOn();
    float PauseFadeCalc();
    void PauseFadeApply();
    void PauseFadeManage();
    void ChannelsCreate(int count);
    void ChannelsKill();
    void ChangeSoundDriver(const std::string& name, int flag);
    void SoundPlay(const media::Sound& sound);
    void SoundPlaySameChannel(media::Channel& channel, const media::Sound& sound);
    void SoundPlayReturnChannel(media::Channel& channel, const media::Sound& sound, float pan);
    void GameSoundPlay(media::Channel& channel, const TGameSound& gameSound, float pan);
    void SoundSetVolume(int volume, int save);
    void SoundChangeVolume(int change);
    void ToggleSound();
    void SoundOff();
    void SoundOn();
    void SpeechStop();
    void SpeechPlay(const TGameSound& gameSound, int flag);
    void SpeechSetVolume(int volume, int save);
    void SpeechChangeVolume(int change);
    void SpeechOff();
    void SpeechOn();
    void StopChannels();
    void SetEscapeSound(const std::string& name);
    void EscapeSoundPlay();

    // Screen switching, the one way screens change.
    //
    // A screen asks for a switch; the host sets DestinationTScreen and starts a fade-out of
    // EscapeFadeLength milliseconds (0 in this game: the switch comes on the next step). When
    // the fade-out is done, ScreenChange, at the start of a logic step, makes the switch: the
    // current screen's Kill (unless it is marked StopKill), then the destination's PreStart
    // (Load and Start, or only CoreStart when it is marked StopInit), which makes it current.
    // Escape asks the current screen's SetEscDestination where to go and switches the same way.
    //
    // Switches to `destination` with a fade-out; nothing happens without one. A request made
    // while a fade-out runs keeps that fade and replaces where it leads.
    void FadeToScreen(TScreen* destination);
    // An excursion that `survivor` must come through as it stands (the play screen behind
    // options or instructions opened from the in-game menu): the survivor is marked StopKill
    // and StopInit, `screen` gets it as its Destination, and the host fades to `screen`. The way
    // back is FadeToScreen(screen->Destination): the survivor then gets only CoreStart and its
    // marks are cleared. Without a survivor this is a plain FadeToScreen.
    void VisitScreen(TScreen* screen, TScreen* survivor);
    // The fade-in a screen starts when it begins: `allowAnim` lets its Logic run meanwhile.
    void FadeInScreen(int allowAnim);

    // The loading screen: one step of its bar, and a frame of it shown now.
    void MoveBar();
    void ShowLoadingScreen();

    // Main loop and screens.
    int Fading() const;
    void FadeOff();
    int MainLogicLoop();
    int LogicWrapper();
    void DoPeekEvent();
    void ScreenDraw();
    void PostDraw();
    void ScreenChange();
    [[nodiscard]] bool DialogOpen() const;
    void ParticlesSet(int percent, int save);
    void ParticlesChange(int change);
    float CalcAnimLength(float ms) const;
    float CalcAnimLengthFromFloat(float ms) const;
    int CalcMilliSecsFromFrames(float frames) const;
    void Kill();
    std::string TakeScreenshot();
};

// Clears the key tables, the character queue and the mouse buttons and clicks.
void ClearAllInput();

// Process priority: type 1 above normal, 2 high, anything else normal. The thread priority is
// carried for the settings file; the process's niceness is all this platform changes.
void SetProcessAndThreadPriority(int type, int priority);

// The one host of the run, for the screens and the game above the host layer: a TGame sets it
// when made and clears it when destroyed; it owns nothing. Null until start-up makes the host
// (and in tests that need none). Presentation code never reads it: it has its context.
extern TGame* Game;
