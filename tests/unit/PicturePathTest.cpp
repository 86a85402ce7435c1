#include "playback/PicturePath.h"

#include <gtest/gtest.h>

using namespace kyvra;

namespace {

TEST(PicturePath, AsksOpenGlOnlyWhereItMayBeHardwareAndKeepsItOnlyWhenItIs) {
    const DisplayReport xvfb{true, false}, gpu{true, true}, other{false, false};
    const OpenGlSupport none{}, software{true, false}, hardware{true, true};
    struct Case {
        bool headless;
        Rendering rendering;
        DisplayReport display;
        OpenGlSupport gl;
        PicturePath expected;
        int probes;
        bool gpuDecoding = false;
    };
    const Case cases[] = {
        {true, Rendering::Automatic, gpu, hardware, PicturePath::None, 0},
        {false, Rendering::Software, gpu, hardware, PicturePath::Software, 0},
        // An X server without direct rendering: no driver is loaded to find out.
        {false, Rendering::Automatic, xvfb, hardware, PicturePath::Software, 0},
        {false, Rendering::Automatic, gpu, hardware, PicturePath::OpenGL, 1, true},
        // The guess was wrong: the context is a software rasterizer, or there is none.
        {false, Rendering::Automatic, gpu, software, PicturePath::Software, 1},
        {false, Rendering::Automatic, gpu, none, PicturePath::Software, 1},
        // Not X11: only a context tells.
        {false, Rendering::Automatic, other, hardware, PicturePath::OpenGL, 1, true},
        // Forced OpenGL takes any context, and falls back only without one; the GPU decodes
        // only for a GPU that draws.
        {false, Rendering::OpenGL, xvfb, software, PicturePath::OpenGL, 1},
        {false, Rendering::OpenGL, gpu, hardware, PicturePath::OpenGL, 1, true},
        {false, Rendering::OpenGL, gpu, none, PicturePath::Software, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        int probes = 0;
        const auto probe = [&] {
            ++probes;
            return c.gl;
        };
        const PictureChoice choice = choosePicturePath(c.headless, c.rendering, c.display, probe);
        EXPECT_EQ(choice.path, c.expected);
        EXPECT_EQ(choice.hardwareDecoding, c.gpuDecoding);
        EXPECT_STRNE(choice.why, "");
        EXPECT_EQ(probes, c.probes);
    }
}

TEST(PicturePath, TellsSoftwareRasterizersFromGpusByName) {
    for (const char* name : {"llvmpipe (LLVM 15.0.6, 256 bits)", "softpipe", "Mesa X11 swrast",
                             "Software Rasterizer", ""})
        EXPECT_TRUE(isSoftwareRenderer(name)) << name;
    for (const char* name :
         {"AMD Radeon RX 6600 (radeonsi, navi23, LLVM 15.0.6, DRM 3.49)",
          "Mesa Intel(R) UHD Graphics 620 (KBL GT2)", "NVIDIA GeForce GTX 1060 6GB/PCIe/SSE2"})
        EXPECT_FALSE(isSoftwareRenderer(name)) << name;
}

} // namespace
