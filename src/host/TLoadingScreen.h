#pragma once
// The screen shown while the game loads its data: a background, a progress bar and a "loading"
// picture, then, once everything is in, a button to click before the game goes on.

#include <functional>
#include <memory>
#include <string>

#include "host/TScreen.h"
#include "presentation/TLoadingBar.h"

class TButton;

class TLoadingScreen : public TScreen {
public:
    TLoadingBar LoadingBar;
    std::shared_ptr<TButton> ClickHereButton;
    int Finished = 0;
    media::Image LoadingTextImage;
    int LoadingX = 0, LoadingY = 0;
    std::function<void()> CustomDrawFunction = [] {};
    std::function<void()> CustomKillFunction = [] {};
    // Loads the game's data under the screen, moving the bar: the screen's Load runs it.
    std::function<void()> LoadFunction = [] {};
    // Runs once the screen has started after loading (start-up may go straight on from here).
    std::function<void()> Loaded = [] {};
    // Where the click that ends loading leads.
    TScreen* Next = nullptr;

    explicit TLoadingScreen(const THost& host) : TScreen(host) { name = "loading"; }

    // Pictures from the image folder. The bar's optional empty and finished looks are the bar's
    // picture with "empty." or "final." before the extension, used when they exist.
    void SpecialLoad(const std::string& background, const std::string& barImage,
                     const std::string& loadingText);
    void SetSteps(int count);
    void Progress();
    // One step of the bar, shown a few times a second.
    void MoveBar();
    // A frame of the screen shown now, while loading holds up the main loop.
    void Show();
    // The "loading" picture, in the middle of the screen.
    void DrawLoading() const;
    // A button centred across the screen at y; Enter or Space click it too.
    void SetClickHereButton(const std::string& buttonName, const std::string& mouseOverName,
                            const std::string& mouseOverSound, const std::string& clickSound,
                            int py);

    void Load() override;
    void Start() override;
    void Logic() override;
    void Draw() override;
    void Kill() override;
    void AddState(JsonObject& state) const override;

private:
    // When the screen was last shown, in milliseconds.
    int ShownAt = 0;

    void MoveOn();
};
