#pragma once
// The base of almost every visible object: position, velocity, frame animation, rotation,
// scale, alpha, glow, drop shadow and an attached second sprite.

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "presentation/TColor.h"
#include "presentation/TGameImage.h"
#include "presentation/TSineCounter.h"

class TSprite {
public:
    // A copy of the picture drawn in black under it, offset and faded.
    struct DropShadow {
        int On = 0;
        float X = 3, Y = 3;
        float Alpha = 0.5f;
    };
    // How the counter runs through the picture's frames, and what happens at its ends.
    struct FrameAnimation {
        int frame = 0;
        int FramesTotal = 1;
        float Counter = 0;  // in steps; 0: no animation runs and ImageFrame shows
        int Length = 1000;
        int CounterDir = 0;
        int Reverse = 0;
        int PingPong = 0;
        float FrameLength = 0;
        int Loop = 1;
        int LoopCount = 0;
    };
    // A growth for a number of steps.
    struct ScaleAnimation {
        float XSpeed = 0.1f, YSpeed = 0.1f;
        float Counter = 0;
        int Length = 1000;
    };
    // A turn for a number of steps, or for ever.
    struct RotationAnimation {
        float Speed = 1;
        float Counter = 0;
        int Length = 1000;
        int Loop = 0;
    };

    std::string name;
    int active = 0;
    float x = 0, y = 0;
    float offx = 0, offy = 0;
    float dx = 0, dy = 0;
    float speed = 0;
    float ygravity = 0;
    int w = 0, h = 0;
    std::shared_ptr<TGameImage> image;
    int ImageFrame = 0;
    DropShadow Shadow;
    FrameAnimation Anim;
    float ScaleX = 1, ScaleY = 1;
    float Rotation = 0;
    float Alpha = 1;
    float Glow = 0;
    std::function<void(TSprite&)> AnimStoppedFunction;
    std::shared_ptr<TSprite> AttachedSprite;

    virtual ~TSprite() = default;

    static std::shared_ptr<TSprite> Create(std::shared_ptr<TGameImage> image, float x, float y);
    // Wraps a picture that is not in the image bank (handle left as it is).
    static std::shared_ptr<TSprite> Create(const media::Image& image, float x, float y);

    virtual int AnimBoundsCheckLower();
    virtual int AnimBoundsCheckUpper();
    virtual void BoundsCheck();
    virtual void Centre();
    virtual void CentreX(float y);
    virtual void ClearRotation();
    virtual void ClearScale();
    virtual void ClearTransformations();
    virtual void DoDraw();
    virtual void Draw();
    virtual int DrawLight(float glow, float r, float g, float b,
                          const std::shared_ptr<TGameImage>& altImage);
    virtual void DrawNormal();
    virtual void DrawRounded();
    virtual void DrawShadow(const TGameImage& picture, int drawFrame, int scrolled);
    virtual void DrawWithOffset();
    virtual int GetAnimFrame() const;
    virtual void GetSize();
    virtual float Height() const;
    virtual void Init() {}
    virtual void Kill();
    virtual int ManageAnim();
    virtual void ManageGlow();
    virtual void ManageRotation();
    virtual void ManageScale();
    virtual void Move();
    virtual void MoveAttachedSprite();
    virtual void MoveDown();
    virtual void MoveForward();
    virtual void MoveLeft();
    virtual void MoveOriginalCoords();
    virtual void MoveRight();
    virtual void MoveUp();
    virtual bool OutOfBounds() const;
    virtual void RandomiseAnimPos();
    virtual void ScaleOriginalCoords();
    virtual void SetGlow(int mode, float glow, float speed, float min, float max);
    virtual void SetImage(std::shared_ptr<TGameImage> picture);
    virtual void SetName(const std::string& text);
    virtual void SetPosition(float px, float py);
    virtual void SetScaleXY(float sx, float sy);
    virtual void SetShadow(int on, float sx, float sy, float alpha);
    virtual void SetupAnim(int framesTotal, float ms, int counterDir, int reverse, int randomise,
                           int pingPong, int loop);
    virtual void SetupRotation(float rotationSpeed, float ms, int loop, int randomStart);
    virtual void SetupScale(float xSpeed, float ySpeed, float ms);
    virtual void Stop();
    virtual void StopAnim();
    virtual void StoreOriginalCoords();
    virtual float Width() const;

protected:
    // The frame drawn now and the picture it comes from.
    int DrawFrame() const;
    const TGameImage* DrawImage() const;

    float w2 = 0, h2 = 0;
    std::optional<TColor> Color;
    int UseAlpha = 1;
    ScaleAnimation ScaleAnim;
    RotationAnimation RotationAnim;
    int GlowMode = 0;
    float GlowSpeed = 0;
    float GlowMax = 1;

private:
    int visible = 1;
    int UseOffset = 0;
    float xspeed = 0, yspeed = 0;
    int RoundCoords = 0;
    float BaseScaleX = 1, BaseScaleY = 1;
    float GlowMin = 0;
    float GlowRange = 1;
    TSineCounter GlowCounter;
    std::shared_ptr<TGameImage> AlternativeImage;  // drawn in place of image by DrawLight
    float ox = 0, oy = 0;
    int KillAttachedSprite = 1;
};
