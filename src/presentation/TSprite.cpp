#include "presentation/TSprite.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "presentation/Names.h"
#include "presentation/TAnimation.h"
#include "presentation/TPresentationContext.h"
#include "presentation/Timing.h"
#include "system/ScreenSize.h"

namespace {

float Radians(float degrees) {
    return degrees * std::numbers::pi_v<float> / 180.0f;
}

float Rounded(float value) {
    return std::floor(value + 0.5f);
}

float HostScrollX() {
    return PresentationContext().ScrollX;
}
float HostScrollY() {
    return PresentationContext().ScrollY;
}

}  // namespace

std::shared_ptr<TSprite> TSprite::Create(std::shared_ptr<TGameImage> image, float x, float y) {
    auto sprite = std::make_shared<TSprite>();
    sprite->SetImage(std::move(image));
    sprite->SetPosition(x, y);
    return sprite;
}

std::shared_ptr<TSprite> TSprite::Create(const media::Image& image, float x, float y) {
    auto picture = std::make_shared<TGameImage>();
    picture->image = image;
    picture->GetSize();
    return Create(std::move(picture), x, y);
}

// ---------------------------------------------------------------- animation

int TSprite::AnimBoundsCheckUpper() {
    if (Anim.Counter < static_cast<float>(Anim.Length)) return 0;
    const float length = static_cast<float>(Anim.Length);
    if (Anim.PingPong) {
        Anim.Counter = length - (Anim.Counter - length) - Anim.FrameLength;
        // From the top the counter must fall, whichever way it counts forwards.
        Anim.Reverse = Anim.CounterDir == 1 ? 1 : 0;
        return 1;
    }
    if (Anim.Loop) {
        if (Anim.LoopCount > 0 && --Anim.LoopCount == 0) {
            Anim.Loop = 0;
            Anim.Counter = length;
            return 1;
        }
        Anim.Counter -= length;
    } else {
        Anim.Counter = length;
    }
    if (AnimStoppedFunction) AnimStoppedFunction(*this);
    return 1;
}

int TSprite::AnimBoundsCheckLower() {
    if (Anim.Counter > 0) return 0;
    if (Anim.PingPong) {
        Anim.Counter = 0 - Anim.Counter + Anim.FrameLength;
        if (Anim.Counter == 0) Anim.Counter = 0.01f;
        Anim.Reverse = Anim.CounterDir == 1 ? 0 : 1;
        return 1;
    }
    if (Anim.Loop) {
        if (Anim.LoopCount > 0 && --Anim.LoopCount == 0) {
            Anim.Loop = 0;
            Anim.Counter = 0.01f;
            return 1;
        }
        Anim.Counter += static_cast<float>(Anim.Length);
    } else {
        Anim.Counter = 0.01f;
    }
    if (AnimStoppedFunction) AnimStoppedFunction(*this);
    return 1;
}

int TSprite::ManageAnim() {
    if (Anim.FramesTotal < 2) return 0;
    const bool rising = (Anim.CounterDir == 1) != (Anim.Reverse != 0);
    int bound = 0;
    if (rising) {
        Anim.Counter += PresentationContext().Delta;
        bound = AnimBoundsCheckUpper();
    } else {
        Anim.Counter -= PresentationContext().Delta;
        bound = AnimBoundsCheckLower();
    }
    Anim.frame = GetAnimFrame();
    return bound;
}

int TSprite::GetAnimFrame() const {
    return FrameFromCounter(Anim.Counter, static_cast<float>(Anim.Length), Anim.FramesTotal,
                            Anim.CounterDir);
}

void TSprite::SetupAnim(int framesTotal, float ms, int counterDir, int reverse, int randomise,
                        int pingPong, int loop) {
    Anim.frame = 0;
    Anim.FramesTotal = framesTotal;
    Anim.Length = static_cast<int>(StepsFromMs(ms));
    Anim.CounterDir = counterDir;
    Anim.Reverse = reverse;
    Anim.PingPong = pingPong;
    Anim.FrameLength =
        framesTotal > 0 ? static_cast<float>(Anim.Length) / static_cast<float>(framesTotal) : 0.0f;
    Anim.Loop = loop;
    if (randomise) {
        RandomiseAnimPos();
    } else if (counterDir == 1) {
        Anim.Counter = reverse ? static_cast<float>(Anim.Length) : 0.0f;
    } else {
        Anim.Counter = reverse ? 0.01f : static_cast<float>(Anim.Length);
    }
}

void TSprite::RandomiseAnimPos() {
    const float length = static_cast<float>(Anim.Length);
    Anim.Counter = length > 0.01f ? media::RandomFloat(0.01f, length) : 0.01f;
    if (Anim.Counter >= length && length > 0.01f) Anim.Counter = 0.01f;
}

void TSprite::StopAnim() {
    Anim.Counter = 0;
    Anim.FramesTotal = 1;
}

// ---------------------------------------------------------------- drawing

int TSprite::DrawFrame() const {
    const int chosen = Anim.Counter > 0 ? GetAnimFrame() : ImageFrame;
    const TGameImage* picture = DrawImage();
    const int frames = picture ? picture->Frames() : 1;
    return std::clamp(chosen, 0, std::max(0, frames - 1));
}

const TGameImage* TSprite::DrawImage() const {
    return AlternativeImage ? AlternativeImage.get() : image.get();
}

void TSprite::Draw() {
    DoDraw();
    if (GlowMode > 0) DrawLight(Glow, 1, 1, 1, nullptr);
}

void TSprite::DoDraw() {
    if (!visible) return;
    media::SetDrawScale(BaseScaleX * ScaleX, BaseScaleY * ScaleY);
    media::SetDrawRotation(Rotation);
    if (UseAlpha) media::SetAlpha(Alpha);
    if (Color) Color->ApplyNoAlpha();
    if (RoundCoords) {
        DrawRounded();
    } else {
        DrawNormal();
    }
    media::SetDrawScale(1, 1);
    media::SetDrawRotation(0);
    if (UseAlpha) media::SetAlpha(1);
    if (Color) media::SetColor(255, 255, 255);
}

void TSprite::DrawNormal() {
    const TGameImage* picture = DrawImage();
    if (!picture || !picture->image) return;
    const int drawFrame = DrawFrame();
    DrawShadow(*picture, drawFrame, 0);
    const float px = UseOffset ? x + offx : x;
    const float py = UseOffset ? y + offy : y;
    media::DrawImageFrame(picture->image, px, py, drawFrame);
}

void TSprite::DrawRounded() {
    const TGameImage* picture = DrawImage();
    if (!picture || !picture->image) return;
    const int drawFrame = DrawFrame();
    DrawShadow(*picture, drawFrame, 0);
    const float px = UseOffset ? x + offx : x;
    const float py = UseOffset ? y + offy : y;
    media::DrawImageFrame(picture->image, Rounded(px), Rounded(py), drawFrame);
}

void TSprite::DrawShadow(const TGameImage& picture, int drawFrame, int scrolled) {
    if (!Shadow.On || !picture.image) return;
    int r = 255, g = 255, b = 255;
    media::GetColor(r, g, b);
    media::SetColor(0, 0, 0);
    media::SetAlpha(Shadow.Alpha * Alpha);
    float px = x + Shadow.X;
    float py = y + Shadow.Y;
    if (UseOffset) {
        px += offx;
        py += offy;
    }
    if (scrolled) {
        px -= HostScrollX();
        py -= HostScrollY();
    }
    media::DrawImageFrame(picture.image, px, py, drawFrame);
    if (Color) {
        Color->ApplyNoAlpha();
    } else {
        media::SetColor(r, g, b);
    }
    media::SetAlpha(Alpha);
}

void TSprite::DrawWithOffset() {
    const TGameImage* picture = DrawImage();
    if (!picture || !picture->image) return;
    media::SetDrawScale(BaseScaleX * ScaleX, BaseScaleY * ScaleY);
    media::SetDrawRotation(Rotation);
    if (UseAlpha) media::SetAlpha(Alpha);
    const int drawFrame = DrawFrame();
    DrawShadow(*picture, drawFrame, 1);
    float px = x - HostScrollX();
    float py = y - HostScrollY();
    if (UseOffset) {
        px += offx;
        py += offy;
    }
    media::DrawImageFrame(picture->image, px, py, drawFrame);
    media::SetDrawScale(1, 1);
    media::SetDrawRotation(0);
    if (UseAlpha) media::SetAlpha(1);
}

int TSprite::DrawLight(float glow, float r, float g, float b,
                       const std::shared_ptr<TGameImage>& altImage) {
    if (!visible) return 0;
    media::SetBlend(media::LIGHTBLEND);
    media::SetColor(static_cast<int>(glow * 255 * r), static_cast<int>(glow * 255 * g),
                    static_cast<int>(glow * 255 * b));
    AlternativeImage = altImage;
    // The sprite's own colour would replace the glow colour for this pass.
    std::optional<TColor> ownColor;
    ownColor.swap(Color);
    DoDraw();
    Color.swap(ownColor);
    AlternativeImage.reset();
    media::SetBlend(media::ALPHABLEND);
    media::SetColor(255, 255, 255);
    return 1;
}

// ---------------------------------------------------------------- glow, rotation, scale

void TSprite::ManageGlow() {
    if (GlowMode == 2) {
        if (Glow > 0) {
            Glow -= GlowSpeed * PresentationContext().Delta;
            if (Glow <= 0) Glow = 0;
        }
    } else if (GlowMode == 3) {
        GlowCounter.Manage();
        Glow = GlowMin + GlowRange * std::fabs(GlowCounter.ratio);
    }
}

void TSprite::SetGlow(int mode, float glow, float glowSpeed, float min, float max) {
    GlowMode = mode;
    Glow = glow;
    GlowSpeed = glowSpeed;
    GlowMin = min;
    GlowMax = max;
    GlowRange = max - min;
    if (mode == 3) GlowCounter.Init(0, 360, glowSpeed);
}

void TSprite::ManageRotation() {
    if (RotationAnim.Loop) {
        Rotation += RotationAnim.Speed * PresentationContext().Delta;
        if (Rotation >= 360) {
            Rotation -= 360;
        } else if (Rotation < 0) {
            Rotation += 360;
        }
    } else if (RotationAnim.Counter > 0) {
        RotationAnim.Counter -= PresentationContext().Delta;
        Rotation += RotationAnim.Speed * PresentationContext().Delta;
    }
}

void TSprite::SetupRotation(float rotationSpeed, float ms, int loop, int randomStart) {
    RotationAnim.Speed = rotationSpeed;
    if (loop) {
        RotationAnim.Loop = 1;
        if (randomStart) {
            Rotation = media::RandomFloat(0, 360);
            if (Rotation >= 360) Rotation = 0;
        }
    } else {
        RotationAnim.Length = static_cast<int>(StepsFromMs(ms));
        RotationAnim.Counter = static_cast<float>(RotationAnim.Length);
    }
}

void TSprite::ManageScale() {
    if (ScaleAnim.Counter <= 0) return;
    ScaleAnim.Counter -= PresentationContext().Delta;
    ScaleX += ScaleAnim.XSpeed * PresentationContext().Delta;
    ScaleY += ScaleAnim.YSpeed * PresentationContext().Delta;
}

void TSprite::SetupScale(float xSpeed, float ySpeed, float ms) {
    ScaleAnim.XSpeed = xSpeed;
    ScaleAnim.YSpeed = ySpeed;
    ScaleAnim.Length = static_cast<int>(StepsFromMs(ms));
    ScaleAnim.Counter = static_cast<float>(ScaleAnim.Length);
}

// ---------------------------------------------------------------- motion

void TSprite::Move() {
    x += dx * PresentationContext().Delta;
    y += dy * PresentationContext().Delta;
    if (ygravity > 0) dy += ygravity * PresentationContext().Delta;
}

void TSprite::MoveOriginalCoords() {
    ox += dx * PresentationContext().Delta;
    oy += dy * PresentationContext().Delta;
    if (ygravity > 0) dy += ygravity * PresentationContext().Delta;
}

void TSprite::MoveAttachedSprite() {
    if (!AttachedSprite) return;
    AttachedSprite->x += dx * PresentationContext().Delta;
    AttachedSprite->y += dy * PresentationContext().Delta;
}

void TSprite::MoveForward() {
    dx = std::sin(Radians(Rotation)) * speed;
    dy = -std::cos(Radians(Rotation)) * speed;
    Move();
}

void TSprite::MoveLeft() {
    x -= xspeed * PresentationContext().Delta;
    BoundsCheck();
}

void TSprite::MoveRight() {
    x += xspeed * PresentationContext().Delta;
    BoundsCheck();
}

void TSprite::MoveUp() {
    y -= yspeed * PresentationContext().Delta;
    BoundsCheck();
}

void TSprite::MoveDown() {
    y += yspeed * PresentationContext().Delta;
    BoundsCheck();
}

void TSprite::BoundsCheck() {
    if (x < w2) {
        x = w2;
    } else if (x > ScreenWidth - w2) {
        x = ScreenWidth - w2;
    }
    if (y < h2) {
        y = h2;
    } else if (y > ScreenHeight - h2) {
        y = ScreenHeight - h2;
    }
}

bool TSprite::OutOfBounds() const {
    if (image && image->midhandled) {
        return x < -w2 || x > ScreenWidth + w2 || y < -h2 || y > ScreenHeight + h2;
    }
    return x < static_cast<float>(-w) || x > ScreenWidth || y < static_cast<float>(-h) ||
           y > ScreenHeight;
}

// ---------------------------------------------------------------- small setters

void TSprite::SetImage(std::shared_ptr<TGameImage> picture) {
    image = std::move(picture);
    GetSize();
}

void TSprite::GetSize() {
    if (!image) return;
    w = image->w;
    h = image->h;
    w2 = image->w2;
    h2 = image->h2;
}

void TSprite::SetName(const std::string& text) {
    name = UpperCase(text);
}

void TSprite::SetPosition(float px, float py) {
    x = px;
    y = py;
}

void TSprite::SetScaleXY(float sx, float sy) {
    ScaleX = sx;
    ScaleY = sy == 0 ? sx : sy;
}

void TSprite::SetShadow(int on, float sx, float sy, float alpha) {
    Shadow.On = on;
    Shadow.X = sx;
    Shadow.Y = sy;
    Shadow.Alpha = alpha;
}

float TSprite::Width() const {
    return static_cast<float>(w) * ScaleX;
}
float TSprite::Height() const {
    return static_cast<float>(h) * ScaleY;
}

void TSprite::Centre() {
    if (image) image->MidHandle(1);
    SetPosition(ScreenWidth / 2, ScreenHeight / 2);
}

void TSprite::CentreX(float py) {
    if (image) image->MidHandle(1);
    SetPosition(ScreenWidth / 2, py);
}

void TSprite::Stop() {
    dx = 0;
    dy = 0;
}

void TSprite::ClearRotation() {
    Rotation = 0;
}

void TSprite::ClearScale() {
    ScaleX = 1;
    ScaleY = 1;
}

void TSprite::ClearTransformations() {
    ClearRotation();
    ClearScale();
}

void TSprite::StoreOriginalCoords() {
    ox = x;
    oy = y;
}

void TSprite::ScaleOriginalCoords() {
    x = ox * BaseScaleX;
    y = oy * BaseScaleY;
}

void TSprite::Kill() {
    if (!AttachedSprite) return;
    // Taken out first, so that two sprites attached to each other cannot loop.
    auto attached = std::move(AttachedSprite);
    AttachedSprite.reset();
    if (KillAttachedSprite == 1) attached->Kill();
}
