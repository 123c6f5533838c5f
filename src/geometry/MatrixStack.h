#pragma once
// The process-wide coordinate transform: one current 4x4 matrix (row-major,
// points as column vectors multiplied on the right) and a stack of ten saved
// matrices. Every new factor is multiplied on the right, so the factor
// issued last is applied to the points first.

namespace rho {

struct Matrix4 {
    double m[4][4];
};

Matrix4 identityMatrix();
// A x B, each element summed in extended precision and rounded once.
Matrix4 multiplyMatrix(Matrix4 a, Matrix4 b);
// The factor rotateZ multiplies on the right for this angle in degrees.
Matrix4 rotationMatrix(double degrees);

class MatrixStack {
public:
    static constexpr int kCapacity = 10;

    void resetTransform();
    void loadIdentity();
    // An 11th push or a pop of an empty stack is ignored.
    void pushMatrix();
    void popMatrix();
    void translate(double tx, double ty, double tz);
    void scale(double sx, double sy, double sz);
    void rotateZ(double degrees);
    void transformPoint(double x, double y, double& outX, double& outY) const;

    const Matrix4& current() const { return current_; }
    int depth() const { return depth_; }

private:
    Matrix4 current_ = identityMatrix();
    Matrix4 stack_[kCapacity] = {};
    int depth_ = 0;
};

// The one transform stack of the program.
MatrixStack& matrixStack();

}  // namespace rho
