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
    if (AnimCounter < static_cast<float>(AnimLength)) return 0;
    const float length = static_cast<float>(AnimLength);
    if (PingPong) {
        AnimCounter = length - (AnimCounter - length) - FrameLength;
        // From the top the counter must fall, whichever way it counts forwards.
        AnimReverse = AnimCounterDir == 1 ? 1 : 0;
        return 1;
    }
    if (Loop) {
        if (LoopCount > 0 && --LoopCount == 0) {
            Loop = 0;
            AnimCounter = length;
            return 1;
        }
        AnimCounter -= length;
    } else {
        AnimCounter = length;
    }
    if (AnimStoppedFunction) AnimStoppedFunction(*this);
    return 1;
}

int TSprite::AnimBoundsCheckLower() {
    if (AnimCounter > 0) return 0;
    if (PingPong) {
        AnimCounter = 0 - AnimCounter + FrameLength;
        if (AnimCounter == 0) AnimCounter = 0.01f;
        AnimReverse = AnimCounterDir == 1 ? 0 : 1;
        return 1;
    }
    if (Loop) {
        if (LoopCount > 0 && --LoopCount == 0) {
            Loop = 0;
            AnimCounter = 0.01f;
            return 1;
        }
        AnimCounter += static_cast<float>(AnimLength);
    } else {
        AnimCounter = 0.01f;
    }
    if (AnimStoppedFunction) AnimStoppedFunction(*this);
    return 1;
}

int TSprite::ManageAnim() {
    if (FramesTotal < 2) return 0;
    const bool rising = (AnimCounterDir == 1) != (AnimReverse != 0);
    int bound = 0;
    if (rising) {
        AnimCounter += PresentationContext().Delta;
        bound = AnimBoundsCheckUpper();
    } else {
        AnimCounter -= PresentationContext().Delta;
        bound = AnimBoundsCheckLower();
    }
    frame = GetAnimFrame();
    return bound;
}

int TSprite::GetAnimFrame() const {
    return FrameFromCounter(AnimCounter, static_cast<float>(AnimLength), FramesTotal,
                            AnimCounterDir);
}

void TSprite::SetupAnim(int framesTotal, float ms, int counterDir, int reverse, int randomise,
                        int pingPong, int loop) {
    frame = 0;
    FramesTotal = framesTotal;
    AnimLength = static_cast<int>(StepsFromMs(ms));
    AnimCounterDir = counterDir;
    AnimReverse = reverse;
    PingPong = pingPong;
    FrameLength =
        framesTotal > 0 ? static_cast<float>(AnimLength) / static_cast<float>(framesTotal) : 0.0f;
    Loop = loop;
    if (randomise) {
        RandomiseAnimPos();
    } else if (counterDir == 1) {
        AnimCounter = reverse ? static_cast<float>(AnimLength) : 0.0f;
    } else {
        AnimCounter = reverse ? 0.01f : static_cast<float>(AnimLength);
    }
}

void TSprite::RandomiseAnimPos() {
    const float length = static_cast<float>(AnimLength);
    AnimCounter = length > 0.01f ? media::RandomFloat(0.01f, length) : 0.01f;
    if (AnimCounter >= length && length > 0.01f) AnimCounter = 0.01f;
}

void TSprite::StopAnim() {
    AnimCounter = 0;
    FramesTotal = 1;
}

// ---------------------------------------------------------------- drawing

int TSprite::DrawFrame() const {
    const int chosen = AnimCounter > 0 ? GetAnimFrame() : ImageFrame;
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
    if (!Shadow || !picture.image) return;
    int r = 255, g = 255, b = 255;
    media::GetColor(r, g, b);
    media::SetColor(0, 0, 0);
    media::SetAlpha(ShadowAlpha * Alpha);
    float px = x + ShadowX;
    float py = y + ShadowY;
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
    if (RotationLoop) {
        Rotation += RotationSpeed * PresentationContext().Delta;
        if (Rotation >= 360) {
            Rotation -= 360;
        } else if (Rotation < 0) {
            Rotation += 360;
        }
    } else if (RotationCounter > 0) {
        RotationCounter -= PresentationContext().Delta;
        Rotation += RotationSpeed * PresentationContext().Delta;
    }
}

void TSprite::SetupRotation(float rotationSpeed, float ms, int loop, int randomStart) {
    RotationSpeed = rotationSpeed;
    if (loop) {
        RotationLoop = 1;
        if (randomStart) {
            Rotation = media::RandomFloat(0, 360);
            if (Rotation >= 360) Rotation = 0;
        }
    } else {
        RotationLength = static_cast<int>(StepsFromMs(ms));
        RotationCounter = static_cast<float>(RotationLength);
    }
}

void TSprite::ManageScale() {
    if (ScaleCounter <= 0) return;
    ScaleCounter -= PresentationContext().Delta;
    ScaleX += ScaleXSpeed * PresentationContext().Delta;
    ScaleY += ScaleYSpeed * PresentationContext().Delta;
}

void TSprite::SetupScale(float xSpeed, float ySpeed, float ms) {
    ScaleXSpeed = xSpeed;
    ScaleYSpeed = ySpeed;
    ScaleLength = static_cast<int>(StepsFromMs(ms));
    ScaleCounter = static_cast<float>(ScaleLength);
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
    Shadow = on;
    ShadowX = sx;
    ShadowY = sy;
    ShadowAlpha = alpha;
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

void TSprite::StoreCentreCoords() {
    cx = x;
    cy = y;
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
