#pragma once
// 4x4 matrices as OpenGL keeps them: sixteen floats, column after column.
#include <array>

namespace fixedgl {

using Matrix = std::array<float, 16>;
using Vec4 = std::array<float, 4>;

Matrix identityMatrix();
// a x b: b applied first, as glMultMatrix multiplies the current matrix on the right.
Matrix multiply(const Matrix& a, const Matrix& b);
Matrix rotation(float angleDegrees, float x, float y, float z);
Matrix translation(float x, float y, float z);
Matrix scaling(float x, float y, float z);
Matrix orthographic(double left, double right, double bottom, double top, double zNear, double zFar);
// m x (x, y, z, w).
Vec4 transform(const Matrix& m, const Vec4& v);
// The inverse transpose of m's upper 3x3, which carries normals into eye coordinates; column-major.
std::array<float, 9> normalMatrix(const Matrix& m);

}  // namespace fixedgl
