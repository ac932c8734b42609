#include "platform/fixedgl/Shaders.h"

namespace fixedgl::shaders {

namespace {

// Shared by both stages; the layout is Renderer.cpp's UniformBlock.
#define FIXEDGL_UNIFORM_BLOCK                                                                   \
    "struct Light { vec4 ambient; vec4 diffuse; vec4 specular; vec4 position; vec4 attenuation; };\n" \
    "layout(std140) uniform State {\n"                                                          \
    "  mat4 modelview; mat4 projection; mat4 normalMatrix;\n"                                   \
    "  vec4 materialAmbient; vec4 materialDiffuse; vec4 materialSpecular; vec4 materialEmission;\n" \
    "  vec4 sceneAmbient;\n"                                                                    \
    "  ivec4 switches;  // lighting, normalize, colour material mode, light count\n"             \
    "  ivec4 fragmentSwitches;  // texturing, alpha function (0 when no test)\n"                 \
    "  vec4 values;  // shininess, alpha reference\n"                                           \
    "  Light lights[8];\n"                                                                      \
    "};\n"

}  // namespace

const char* const vertex =
    "#version 300 es\n"
    "precision highp float;\n" FIXEDGL_UNIFORM_BLOCK
    "layout(location = 0) in vec4 position;\n"
    "layout(location = 1) in vec3 normal;\n"
    "layout(location = 2) in vec4 color;\n"
    "layout(location = 3) in vec2 texCoord;\n"
    "layout(location = 4) in vec2 offset;\n"
    "out vec4 litColor;\n"
    "out vec2 fragmentTexCoord;\n"
    // Colour material modes: 1 ambient, 2 diffuse, 3 ambient and diffuse, 4 specular, 5 emission.
    "vec4 material(vec4 fixedValue, int mode, bool alsoForBoth) {\n"
    "  int tracked = switches.z;\n"
    "  return tracked == mode || (alsoForBoth && tracked == 3) ? color : fixedValue;\n"
    "}\n"
    "vec4 lit(vec3 eyePosition) {\n"
    "  vec3 n = mat3(normalMatrix) * normal;\n"
    "  if (switches.y != 0) n = normalize(n);\n"
    "  vec4 ambient = material(materialAmbient, 1, true);\n"
    "  vec4 diffuse = material(materialDiffuse, 2, true);\n"
    "  vec4 specular = material(materialSpecular, 4, false);\n"
    "  vec4 emission = material(materialEmission, 5, false);\n"
    "  vec3 sum = emission.rgb + sceneAmbient.rgb * ambient.rgb;\n"
    "  for (int i = 0; i < switches.w; ++i) {\n"
    "    Light light = lights[i];\n"
    "    vec3 toLight = light.position.xyz;\n"
    "    float factor = 1.0;\n"
    "    if (light.position.w != 0.0) {\n"
    "      toLight = light.position.xyz / light.position.w - eyePosition;\n"
    "      float d = length(toLight);\n"
    "      factor = 1.0 / (light.attenuation.x + light.attenuation.y * d + light.attenuation.z * d * d);\n"
    "    }\n"
    "    vec3 l = normalize(toLight);\n"
    "    float nDotL = dot(n, l);\n"
    "    vec3 term = light.ambient.rgb * ambient.rgb + max(nDotL, 0.0) * light.diffuse.rgb * diffuse.rgb;\n"
    "    if (nDotL > 0.0) {\n"
    "      float nDotH = max(dot(n, normalize(l + vec3(0.0, 0.0, 1.0))), 0.0);\n"
    "      float highlight = values.x == 0.0 ? 1.0 : pow(nDotH, values.x);\n"
    "      term += highlight * light.specular.rgb * specular.rgb;\n"
    "    }\n"
    "    sum += factor * term;\n"
    "  }\n"
    "  return vec4(sum, diffuse.a);\n"
    "}\n"
    "void main() {\n"
    "  vec4 eye = modelview * position;\n"
    "  gl_Position = projection * eye;\n"
    "  gl_Position.xy += offset * gl_Position.w;\n"
    "  gl_PointSize = 1.0;\n"
    "  fragmentTexCoord = texCoord;\n"
    "  vec4 c = switches.x != 0 ? lit(eye.xyz / eye.w) : color;\n"
    "  litColor = clamp(c, 0.0, 1.0);\n"
    "}\n";

const char* const fragment =
    "#version 300 es\n"
    "precision highp float;\n"
    // A fragment shader's integers are mediump unless told, and WebGL refuses a block whose
    // members' precisions differ between the two stages.
    "precision highp int;\n" FIXEDGL_UNIFORM_BLOCK
    "uniform sampler2D image;\n"
    "in vec4 litColor;\n"
    "in vec2 fragmentTexCoord;\n"
    "out vec4 fragmentColor;\n"
    // The alpha functions, numbered as GL_NEVER + n.
    "bool passes(float a, float reference, int function) {\n"
    "  if (function == 1) return a < reference;\n"
    "  if (function == 2) return a == reference;\n"
    "  if (function == 3) return a <= reference;\n"
    "  if (function == 4) return a > reference;\n"
    "  if (function == 5) return a != reference;\n"
    "  if (function == 6) return a >= reference;\n"
    "  return function == 7;\n"
    "}\n"
    "void main() {\n"
    "  vec4 c = litColor;\n"
    "  if (fragmentSwitches.x != 0) c *= texture(image, fragmentTexCoord);\n"
    "  if (fragmentSwitches.y >= 0 && !passes(c.a, values.y, fragmentSwitches.y)) discard;\n"
    "  fragmentColor = c;\n"
    "}\n";

}  // namespace fixedgl::shaders
