#include "platform/fixedgl/Transform.h"

#include <cmath>

namespace fixedgl {

namespace {

constexpr double pi = 3.14159265358979323846;

float& at(Matrix& m, int row, int column) { return m[column * 4 + row]; }

}  // namespace

Matrix identityMatrix() { return {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}; }

Matrix multiply(const Matrix& a, const Matrix& b) {
    Matrix product{};
    for (int column = 0; column < 4; ++column)
        for (int row = 0; row < 4; ++row) {
            float sum = 0;
            for (int k = 0; k < 4; ++k) sum += a[k * 4 + row] * b[column * 4 + k];
            product[column * 4 + row] = sum;
        }
    return product;
}

// As OpenGL defines glRotate: about the axis (x, y, z), normalised; no rotation for a null axis.
Matrix rotation(float angleDegrees, float x, float y, float z) {
    Matrix m = identityMatrix();
    const float length = std::sqrt(x * x + y * y + z * z);
    if (length <= 1.0e-4f) return m;
    x /= length;
    y /= length;
    z /= length;
    const auto radians = static_cast<float>(angleDegrees * pi / 180.0);
    const float s = std::sin(radians), c = std::cos(radians), oneMinusC = 1 - c;
    at(m, 0, 0) = oneMinusC * x * x + c;
    at(m, 0, 1) = oneMinusC * x * y - z * s;
    at(m, 0, 2) = oneMinusC * z * x + y * s;
    at(m, 1, 0) = oneMinusC * x * y + z * s;
    at(m, 1, 1) = oneMinusC * y * y + c;
    at(m, 1, 2) = oneMinusC * y * z - x * s;
    at(m, 2, 0) = oneMinusC * z * x - y * s;
    at(m, 2, 1) = oneMinusC * y * z + x * s;
    at(m, 2, 2) = oneMinusC * z * z + c;
    return m;
}

Matrix translation(float x, float y, float z) {
    Matrix m = identityMatrix();
    m[12] = x;
    m[13] = y;
    m[14] = z;
    return m;
}

Matrix scaling(float x, float y, float z) {
    Matrix m = identityMatrix();
    m[0] = x;
    m[5] = y;
    m[10] = z;
    return m;
}

Matrix orthographic(double left, double right, double bottom, double top, double zNear, double zFar) {
    Matrix m = identityMatrix();
    at(m, 0, 0) = static_cast<float>(2 / (right - left));
    at(m, 0, 3) = static_cast<float>(-(right + left) / (right - left));
    at(m, 1, 1) = static_cast<float>(2 / (top - bottom));
    at(m, 1, 3) = static_cast<float>(-(top + bottom) / (top - bottom));
    at(m, 2, 2) = static_cast<float>(-2 / (zFar - zNear));
    at(m, 2, 3) = static_cast<float>(-(zFar + zNear) / (zFar - zNear));
    return m;
}

Vec4 transform(const Matrix& m, const Vec4& v) {
    Vec4 result{};
    for (int row = 0; row < 4; ++row)
        result[row] = m[row] * v[0] + m[4 + row] * v[1] + m[8 + row] * v[2] + m[12 + row] * v[3];
    return result;
}

std::array<float, 9> normalMatrix(const Matrix& m) {
    // The cofactors of the upper 3x3 over its determinant: the inverse, transposed.
    const auto a = [&](int row, int column) { return m[column * 4 + row]; };
    std::array<float, 9> cofactor{};
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column) {
            const int r0 = (row + 1) % 3, r1 = (row + 2) % 3, c0 = (column + 1) % 3, c1 = (column + 2) % 3;
            cofactor[column * 3 + row] = a(r0, c0) * a(r1, c1) - a(r0, c1) * a(r1, c0);
        }
    const float determinant = a(0, 0) * cofactor[0] + a(0, 1) * cofactor[3] + a(0, 2) * cofactor[6];
    if (determinant == 0) return cofactor;
    for (float& value : cofactor) value /= determinant;
    return cofactor;
}

}  // namespace fixedgl
