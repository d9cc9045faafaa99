#pragma once
// A 2D vector with the usual arithmetic, rotation and reflection.

#include <memory>

class TVector {
public:
    double x = 0, y = 0;

    static std::shared_ptr<TVector> Create(double x, double y);
    static std::shared_ptr<TVector> CreateFromPoints(double x1, double y1, double x2, double y2);
    static std::shared_ptr<TVector> CreateFromVectorsAdded(const TVector& a, const TVector& b);
    static std::shared_ptr<TVector> CreateFromVectorScaled(const TVector& a, double s);
    static std::shared_ptr<TVector> CreateFromVectorsSubtracted(const TVector& a, const TVector& b);
    std::shared_ptr<TVector> CreateCopy() const;
    void CopyFrom(const TVector& other);
    void AddVector(const TVector& other);
    void SubtractVector(const TVector& other);
    void Multiply(double s);
    void Scale(double s);
    void Reverse();
    // A zero vector stays zero rather than turning into NaN.
    void Normalise();
    double CalcLength() const;
    TVector CalcNormal() const;
    double CalcSlope() const;
    double DotProduct(const TVector& other) const;
    void Rotate(double degrees);
    // Reflects off a surface running along `surface`.
    void Rebound(const TVector& surface);
    void Draw(float px, float py, int lastPixel) const;
};
