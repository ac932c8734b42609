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
    const Drawing& layer = layer::drawings.at(GetParam());
    const std::vector<uint8_t> expected = twocontexts::render(twocontexts::Gl::Real, real.draw);
    const std::vector<uint8_t> actual = twocontexts::render(twocontexts::Gl::Layer, layer.draw);

    // A drawing that leaves the frame black would prove nothing.
    EXPECT_GT(twocontexts::compare(expected, std::vector<uint8_t>(expected.size(), 0), 0).differing, 200);
    const twocontexts::Difference difference = twocontexts::compare(expected, actual, channelTolerance);
    if (difference.differing > differingPixelsAllowed)
        twocontexts::writeSideBySide(std::string("fixedgl-") + real.name + ".png", expected, actual);
    EXPECT_LE(difference.differing, differingPixelsAllowed)
        << real.name << ": worst " << difference.worst << "; real and layer side by side in fixedgl-" << real.name
        << ".png";
}

INSTANTIATE_TEST_SUITE_P(Drawings, LayerTest, ::testing::Range<size_t>(0, real::drawings.size()),
                         [](const ::testing::TestParamInfo<size_t>& info) {
                             std::string name = real::drawings.at(info.param).name;
                             for (char& c : name)
                                 if (c == '-') c = '_';
                             return name;
                         });

}  // namespace
