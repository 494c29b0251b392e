// The 3D view's lit surfaces: a whole frame of 1 and 10 curves at 1920 x 1080 device pixels (the
// clearing, every triangle lit and drawn with its depth, the axes and the words), with one sample a
// pixel and with four, and with the section; beside the same triangles in the same light drawn by
// Mesa's llvmpipe into a framebuffer without a display and read back into memory.
#include "BenchSupport.h"
#include "view3d/CurveCloud.h"
#include "view3d/SurfaceLight.h"
#include "view3d/ViewFrame.h"

#include <EGL/egl.h>
#include <EGL/eglext.h>
#include <GLES3/gl3.h>
#include <benchmark/benchmark.h>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {
const QSize frameSize(1920, 1080);

FrameStyle surfaceStyle(bool smooth, bool section)
{
    FrameStyle style{QColor(239, 239, 239), Qt::black, 2, {}};
    style.look = ViewLook::surface;
    style.smooth = smooth;
    style.section = section;
    return style;
}

void frames(benchmark::State &state, int curves, bool smooth, bool section)
{
    CurveCloud cloud;
    cloud.setCurves(benchCurves(curves));
    Turntable turntable;
    QImage image(frameSize, QImage::Format_RGB32);
    const FrameStyle style = surfaceStyle(smooth, section);
    // The surfaces are made once and kept with the curves, as in the view.
    ViewFrame(cloud, turntable, 1, frameSize, 1).render(image, style);
    std::size_t triangles = 0;
    for (const CurveCloud::Curve &curve : cloud.curves())
        triangles += curve.surface->mesh().triangles.size();
    for (auto _ : state) {
        turntable.turn(1, 0);
        ViewFrame(cloud, turntable, 1, frameSize, 1).render(image, style);
    }
    state.counters["triangles"] = double(triangles);
}

// SurfaceLight's light, per vertex, the inner side by its reversed normal and darker.
std::string vertexShader()
{
    const SurfaceLight::Direction l = SurfaceLight::direction();
    return QStringLiteral(R"(#version 300 es
layout(location = 0) in vec3 position;
layout(location = 1) in vec3 normal;
uniform mat4 toClip;
uniform mat3 toView;
uniform vec3 colour;
out vec3 outerColour;
out vec3 innerColour;
const vec3 light = vec3(%1, %2, %3);
const vec3 halfway = normalize(light + vec3(0.0, 0.0, 1.0));
vec3 lit(vec3 n, float share)
{
    float lambert = max(0.0, dot(n, light));
    float shine = pow(max(0.0, dot(n, halfway)), %4);
    return min(vec3(1.0), share * (colour * (%5 + %6 * lambert) + %7 * shine));
}
void main()
{
    gl_Position = toClip * vec4(position, 1.0);
    vec3 n = normalize(toView * normal);
    outerColour = lit(n, 1.0);
    innerColour = lit(-n, %8);
}
)")
        .arg(l.x, 0, 'f', 9)
        .arg(l.y, 0, 'f', 9)
        .arg(l.z, 0, 'f', 9)
        .arg(double(SurfaceLight::shininess), 0, 'f', 1)
        .arg(SurfaceLight::ambient, 0, 'f', 6)
        .arg(SurfaceLight::diffuse, 0, 'f', 6)
        .arg(SurfaceLight::highlight, 0, 'f', 6)
        .arg(SurfaceLight::innerShare, 0, 'f', 6)
        .toStdString();
}

const char *fragmentShader = R"(#version 300 es
precision mediump float;
in vec3 outerColour;
in vec3 innerColour;
out vec4 colour;
void main()
{
    colour = vec4(gl_FrontFacing ? outerColour : innerColour, 1.0);
}
)";

// A context of llvmpipe on Mesa's surfaceless platform, drawing into a framebuffer of its own.
class Llvmpipe {
public:
    explicit Llvmpipe(int samples)
    {
        setenv("LIBGL_ALWAYS_SOFTWARE", "1", 1);
        setenv("GALLIUM_DRIVER", "llvmpipe", 1);
        setenv("MESA_LOADER_DRIVER_OVERRIDE", "swrast", 0);
        const auto platformDisplay = reinterpret_cast<PFNEGLGETPLATFORMDISPLAYEXTPROC>(eglGetProcAddress("eglGetPlatformDisplayEXT"));
        if (!platformDisplay) {
            m_failure = "no eglGetPlatformDisplayEXT";
            return;
        }
        m_display = platformDisplay(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
        if (m_display == EGL_NO_DISPLAY || !eglInitialize(m_display, nullptr, nullptr)) {
            m_failure = "no surfaceless EGL display";
            return;
        }
        eglBindAPI(EGL_OPENGL_ES_API);
        const EGLint configWanted[] = {EGL_RENDERABLE_TYPE, EGL_OPENGL_ES3_BIT, EGL_NONE};
        EGLConfig config = nullptr;
        EGLint configs = 0;
        eglChooseConfig(m_display, configWanted, &config, 1, &configs);
        const EGLint contextWanted[] = {EGL_CONTEXT_MAJOR_VERSION, 3, EGL_NONE};
        m_context = eglCreateContext(m_display, configs ? config : EGL_NO_CONFIG_KHR, EGL_NO_CONTEXT, contextWanted);
        if (m_context == EGL_NO_CONTEXT || !eglMakeCurrent(m_display, EGL_NO_SURFACE, EGL_NO_SURFACE, m_context)) {
            m_failure = "no OpenGL ES 3 context";
            return;
        }
        const char *renderer = reinterpret_cast<const char *>(glGetString(GL_RENDERER));
        m_renderer = renderer ? renderer : "";
        if (m_renderer.find("llvmpipe") == std::string::npos) {
            m_failure = "the renderer is not llvmpipe: " + m_renderer;
            return;
        }
        m_program = program();
        const int width = frameSize.width(), height = frameSize.height();
        glGenFramebuffers(2, m_framebuffers);
        glGenRenderbuffers(3, m_renderbuffers);
        glBindRenderbuffer(GL_RENDERBUFFER, m_renderbuffers[0]);
        glRenderbufferStorageMultisample(GL_RENDERBUFFER, samples, GL_RGBA8, width, height);
        glBindRenderbuffer(GL_RENDERBUFFER, m_renderbuffers[1]);
        glRenderbufferStorageMultisample(GL_RENDERBUFFER, samples, GL_DEPTH_COMPONENT24, width, height);
        glBindFramebuffer(GL_FRAMEBUFFER, m_framebuffers[0]);
        glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, m_renderbuffers[0]);
        glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, m_renderbuffers[1]);
        if (glCheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE) {
            m_failure = "incomplete framebuffer";
            return;
        }
        // Several samples a pixel are resolved into a framebuffer of one before they are read.
        m_samples = samples;
        if (samples > 0) {
            glBindRenderbuffer(GL_RENDERBUFFER, m_renderbuffers[2]);
            glRenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, width, height);
            glBindFramebuffer(GL_FRAMEBUFFER, m_framebuffers[1]);
            glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, m_renderbuffers[2]);
        }
        m_pixels.resize(std::size_t(width) * std::size_t(height) * 4);
        m_ready = true;
    }

    ~Llvmpipe()
    {
        if (m_display != EGL_NO_DISPLAY) {
            eglMakeCurrent(m_display, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
            if (m_context != EGL_NO_CONTEXT)
                eglDestroyContext(m_display, m_context);
            eglTerminate(m_display);
        }
    }

    bool ready() const { return m_ready; }
    const std::string &failure() const { return m_failure; }

    void upload(const CurveCloud &cloud)
    {
        for (const CurveCloud::Curve &curve : cloud.curves()) {
            const SurfaceMesh &mesh = curve.surface->mesh();
            std::vector<float> vertices;
            for (std::size_t i = 0; i < mesh.vertices.size(); ++i)
                for (const double v : {mesh.vertices[i].X, mesh.vertices[i].Y, mesh.vertices[i].Z, mesh.normals[i].X, mesh.normals[i].Y,
                                       mesh.normals[i].Z})
                    vertices.push_back(float(v));
            Mesh m{0, 0, GLsizei(mesh.triangles.size() * 3), curve.colour};
            glGenBuffers(1, &m.vertices);
            glBindBuffer(GL_ARRAY_BUFFER, m.vertices);
            glBufferData(GL_ARRAY_BUFFER, GLsizeiptr(vertices.size() * sizeof(float)), vertices.data(), GL_STATIC_DRAW);
            glGenBuffers(1, &m.indices);
            glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, m.indices);
            glBufferData(GL_ELEMENT_ARRAY_BUFFER, GLsizeiptr(mesh.triangles.size() * sizeof(mesh.triangles[0])), mesh.triangles.data(),
                         GL_STATIC_DRAW);
            m_meshes.push_back(m);
        }
    }

    // The frame as the view's map sees it, read back.
    void draw(const ViewMap &map)
    {
        const float w = float(frameSize.width()), h = float(frameSize.height());
        const float depthRange = 2 * std::max(w, h);
        // Column by column: device pixels to clip space, nearer smaller.
        const float toClip[16] = {float(2 * map.xX / w), float(-2 * map.yX / h), float(-map.zX / depthRange), 0,
                                  float(2 * map.xY / w), float(-2 * map.yY / h), float(-map.zY / depthRange), 0,
                                  0,                     float(-2 * map.yZ / h), float(-map.zZ / depthRange), 0,
                                  float(2 * map.ox / w - 1), float(1 - 2 * map.oy / h), float(-map.oz / depthRange), 1};
        const double scale = std::hypot(map.xX, map.xY);
        const float toView[9] = {float(map.xX / scale), float(-map.yX / scale), float(map.zX / scale),
                                 float(map.xY / scale), float(-map.yY / scale), float(map.zY / scale),
                                 0,                     float(-map.yZ / scale), float(map.zZ / scale)};
        glBindFramebuffer(GL_FRAMEBUFFER, m_framebuffers[0]);
        glViewport(0, 0, frameSize.width(), frameSize.height());
        glEnable(GL_DEPTH_TEST);
        glDepthFunc(GL_LESS);
        glClearColor(239 / 255.f, 239 / 255.f, 239 / 255.f, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glUseProgram(m_program);
        glUniformMatrix4fv(glGetUniformLocation(m_program, "toClip"), 1, GL_FALSE, toClip);
        glUniformMatrix3fv(glGetUniformLocation(m_program, "toView"), 1, GL_FALSE, toView);
        const GLint colour = glGetUniformLocation(m_program, "colour");
        for (const Mesh &m : m_meshes) {
            glUniform3f(colour, qRed(m.colour) / 255.f, qGreen(m.colour) / 255.f, qBlue(m.colour) / 255.f);
            glBindBuffer(GL_ARRAY_BUFFER, m.vertices);
            glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, m.indices);
            glEnableVertexAttribArray(0);
            glEnableVertexAttribArray(1);
            glVertexAttribPointer(0, 3, GL_FLOAT, GL_FALSE, 6 * sizeof(float), nullptr);
            glVertexAttribPointer(1, 3, GL_FLOAT, GL_FALSE, 6 * sizeof(float), reinterpret_cast<const void *>(3 * sizeof(float)));
            glDrawElements(GL_TRIANGLES, m.count, GL_UNSIGNED_INT, nullptr);
        }
        if (m_samples > 0) {
            glBindFramebuffer(GL_READ_FRAMEBUFFER, m_framebuffers[0]);
            glBindFramebuffer(GL_DRAW_FRAMEBUFFER, m_framebuffers[1]);
            glBlitFramebuffer(0, 0, frameSize.width(), frameSize.height(), 0, 0, frameSize.width(), frameSize.height(),
                              GL_COLOR_BUFFER_BIT, GL_NEAREST);
            glBindFramebuffer(GL_READ_FRAMEBUFFER, m_framebuffers[1]);
        }
        glReadPixels(0, 0, frameSize.width(), frameSize.height(), GL_RGBA, GL_UNSIGNED_BYTE, m_pixels.data());
    }

    // How many pixels are not the background: a frame that shows the figure.
    std::size_t drawn() const
    {
        std::size_t count = 0;
        for (std::size_t i = 0; i < m_pixels.size(); i += 4)
            count += m_pixels[i] != 239 || m_pixels[i + 1] != 239 || m_pixels[i + 2] != 239;
        return count;
    }

private:
    struct Mesh {
        GLuint vertices, indices;
        GLsizei count;
        QRgb colour;
    };

    static GLuint shader(GLenum kind, const char *source)
    {
        const GLuint s = glCreateShader(kind);
        glShaderSource(s, 1, &source, nullptr);
        glCompileShader(s);
        return s;
    }

    static GLuint program()
    {
        const GLuint p = glCreateProgram();
        glAttachShader(p, shader(GL_VERTEX_SHADER, vertexShader().c_str()));
        glAttachShader(p, shader(GL_FRAGMENT_SHADER, fragmentShader));
        glLinkProgram(p);
        return p;
    }

    EGLDisplay m_display = EGL_NO_DISPLAY;
    EGLContext m_context = EGL_NO_CONTEXT;
    GLuint m_program = 0;
    GLuint m_framebuffers[2] = {};
    GLuint m_renderbuffers[3] = {};
    int m_samples = 0;
    std::vector<Mesh> m_meshes;
    std::vector<unsigned char> m_pixels;
    std::string m_renderer, m_failure;
    bool m_ready = false;
};

void llvmpipeFrames(benchmark::State &state, int curves, int samples)
{
    Llvmpipe gl(samples);
    if (!gl.ready()) {
        state.SkipWithError(gl.failure().c_str());
        return;
    }
    CurveCloud cloud;
    cloud.setCurves(benchCurves(curves));
    gl.upload(cloud);
    Turntable turntable;
    for (auto _ : state) {
        turntable.turn(1, 0);
        gl.draw(ViewFrame(cloud, turntable, 1, frameSize, 1).map());
    }
    if (gl.drawn() == 0)
        state.SkipWithError("llvmpipe drew nothing");
}
}

// Frames on every core, timed by the clock.
static void surfaceFrame(benchmark::State &state)
{
    frames(state, int(state.range(0)), false, false);
}
BENCHMARK(surfaceFrame)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond)->UseRealTime();

static void surfaceFrameSmooth(benchmark::State &state)
{
    frames(state, 10, true, false);
}
BENCHMARK(surfaceFrameSmooth)->Name("surfaceFrame/10/smooth")->Unit(benchmark::kMillisecond)->UseRealTime();

static void sectionFrame(benchmark::State &state)
{
    frames(state, int(state.range(0)), false, true);
}
BENCHMARK(sectionFrame)->Arg(10)->Unit(benchmark::kMillisecond)->UseRealTime();

static void surfaceFrame_llvmpipe(benchmark::State &state)
{
    llvmpipeFrames(state, int(state.range(0)), 0);
}
BENCHMARK(surfaceFrame_llvmpipe)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond)->UseRealTime();

static void surfaceFrameSmooth_llvmpipe(benchmark::State &state)
{
    llvmpipeFrames(state, 10, 4);
}
BENCHMARK(surfaceFrameSmooth_llvmpipe)->Name("surfaceFrame_llvmpipe/10/smooth")->Unit(benchmark::kMillisecond)->UseRealTime();
