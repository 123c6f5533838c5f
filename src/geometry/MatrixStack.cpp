#include "geometry/MatrixStack.h"

#include <cmath>

namespace rho {

namespace {
// pi / 180 in extended precision.
constexpr long double kDegToRad = 0.017453292519943295769236907684886127L;
}  // namespace

Matrix4 identityMatrix() {
    Matrix4 r{};
    for (int i = 0; i < 4; ++i) r.m[i][i] = 1.0;
    return r;
}

Matrix4 multiplyMatrix(Matrix4 a, Matrix4 b) {
    Matrix4 r;
    for (int i = 0; i < 4; ++i) {
        for (int j = 0; j < 4; ++j) {
            long double sum = static_cast<long double>(a.m[i][0]) * b.m[0][j];
            sum += static_cast<long double>(a.m[i][1]) * b.m[1][j];
            sum += static_cast<long double>(a.m[i][2]) * b.m[2][j];
            sum += static_cast<long double>(a.m[i][3]) * b.m[3][j];
            r.m[i][j] = static_cast<double>(sum);
        }
    }
    return r;
}

void MatrixStack::resetTransform() {
    current_ = identityMatrix();
    depth_ = 0;
}

void MatrixStack::loadIdentity() { current_ = identityMatrix(); }

void MatrixStack::pushMatrix() {
    if (depth_ >= kCapacity) return;
    stack_[depth_++] = current_;
}

void MatrixStack::popMatrix() {
    if (depth_ <= 0) return;
    current_ = stack_[--depth_];
}

void MatrixStack::translate(double tx, double ty, double tz) {
    Matrix4 t = identityMatrix();
    t.m[0][3] = tx;
    t.m[1][3] = ty;
    t.m[2][3] = tz;
    current_ = multiplyMatrix(current_, t);
}

void MatrixStack::scale(double sx, double sy, double sz) {
    Matrix4 s = identityMatrix();
    s.m[0][0] = sx;
    s.m[1][1] = sy;
    s.m[2][2] = sz;
    current_ = multiplyMatrix(current_, s);
}

Matrix4 rotationMatrix(double degrees) {
    const double theta = static_cast<double>(degrees * kDegToRad);
    const double c = std::cos(theta);
    const double s = std::sin(theta);
    Matrix4 r = identityMatrix();
    r.m[0][0] = c;
    r.m[0][1] = -s;
    r.m[1][0] = s;
    r.m[1][1] = c;
    return r;
}

void MatrixStack::rotateZ(double degrees) { current_ = multiplyMatrix(current_, rotationMatrix(degrees)); }

void MatrixStack::transformPoint(double x, double y, double& outX, double& outY) const {
    const auto& m = current_.m;
    double v[4];
    for (int i = 0; i < 4; ++i) {
        long double sum = static_cast<long double>(m[i][0]) * x;
        sum += static_cast<long double>(m[i][1]) * y;
        sum += static_cast<long double>(m[i][2]) * 0.0;
        sum += static_cast<long double>(m[i][3]) * 1.0;
        v[i] = static_cast<double>(sum);
    }
    outX = v[0] / v[3];
    outY = v[1] / v[3];
}

MatrixStack& matrixStack() {
    static MatrixStack stack;
    return stack;
}

}  // namespace rho

