// Each drawing rendered with real OpenGL 1.1 and with the fixed-function layer on the same
// machine must give the same pixels, up to rounding: lighting is computed per vertex in the
// layer's shader with the same formulas, but in another order of float operations than Mesa's
// fixed-function program. The specular highlight, a power of a value near 1, shows it most: up to
// 9 levels apart. Every pixel must stay within 12 levels, the tolerance of the golden frames.
#include <gtest/gtest.h>

#include "tests/fixedgl/Drawings.h"
#include "tests/fixedgl/TwoContexts.h"

namespace {

constexpr int channelTolerance = 12;
constexpr int differingPixelsAllowed = 0;

class LayerTest : public ::testing::TestWithParam<size_t> {};

TEST_P(LayerTest, DrawsAsRealOpenGLDoes) {
    const Drawing& real = real::drawings.at(GetParam());
    twocontexts::expectSamePicture(real.name, real.draw, layer::drawings.at(GetParam()).draw, channelTolerance,
                                   differingPixelsAllowed);
}

INSTANTIATE_TEST_SUITE_P(Drawings, LayerTest, ::testing::Range<size_t>(0, real::drawings.size()),
                         [](const ::testing::TestParamInfo<size_t>& info) {
                             std::string name = real::drawings.at(info.param).name;
                             for (char& c : name)
                                 if (c == '-') c = '_';
                             return name;
                         });

}  // namespace
