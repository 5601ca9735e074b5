// Paints the game's background pictures (star fields, nebulae, a planet or two) and writes them
// as JPEG files with libjpeg's compressor. Run once; the pictures are kept under assets/.
//
//   c++ -std=c++20 -O2 tools/make-backgrounds/make_backgrounds.cpp -ljpeg -o /tmp/make-backgrounds
//   && /tmp/make-backgrounds assets/backgrounds
//
// Every picture comes from a fixed seed, so running the tool again gives the same files.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

// jpeglib.h needs FILE and size_t declared before it.
#include <jpeglib.h>

namespace {

constexpr double kPi = 3.14159265358979323846;

struct Colour {
    double r = 0, g = 0, b = 0;
};

Colour operator+(Colour a, Colour b) {
    return {a.r + b.r, a.g + b.g, a.b + b.b};
}
Colour operator*(Colour a, double k) {
    return {a.r * k, a.g * k, a.b * k};
}
Colour mix(Colour a, Colour b, double t) {
    return a * (1 - t) + b * t;
}

double clamp01(double v) {
    return std::clamp(v, 0.0, 1.0);
}
double smooth(double e0, double e1, double x) {
    const double t = clamp01((x - e0) / (e1 - e0));
    return t * t * (3 - 2 * t);
}

// A small, repeatable generator (xorshift) so every run paints the same pictures.
class Dice {
public:
    explicit Dice(uint64_t seed) : s_(seed * 0x9E3779B97F4A7C15ull + 1) {}
    uint64_t next() {
        s_ ^= s_ << 13;
        s_ ^= s_ >> 7;
        s_ ^= s_ << 17;
        return s_;
    }
    double unit() { return static_cast<double>(next() >> 11) / static_cast<double>(1ull << 53); }

private:
    uint64_t s_;
};

// Value noise summed over octaves: soft clouds for the nebulae and planet surfaces.
class Noise {
public:
    explicit Noise(uint32_t seed) : seed_(seed) {}
    double at(double x, double y, int octaves) const {
        double sum = 0, amp = 0.5, norm = 0;
        for (int o = 0; o < octaves; ++o) {
            sum += amp * value(x, y, o);
            norm += amp;
            x *= 2.03;
            y *= 2.03;
            amp *= 0.5;
        }
        return sum / norm;
    }

private:
    double lattice(int x, int y, int o) const {
        uint32_t h = seed_ ^ (static_cast<uint32_t>(x) * 374761393u) ^
                     (static_cast<uint32_t>(y) * 668265263u) ^
                     (static_cast<uint32_t>(o) * 2246822519u);
        h = (h ^ (h >> 13)) * 1274126177u;
        h ^= h >> 16;
        return (h & 0xFFFFFF) / static_cast<double>(0xFFFFFF);
    }
    double value(double x, double y, int o) const {
        const int xi = static_cast<int>(std::floor(x)), yi = static_cast<int>(std::floor(y));
        const double fx = x - xi, fy = y - yi;
        const double sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
        const double a = lattice(xi, yi, o), b = lattice(xi + 1, yi, o);
        const double c = lattice(xi, yi + 1, o), d = lattice(xi + 1, yi + 1, o);
        return (a + (b - a) * sx) + ((c + (d - c) * sx) - (a + (b - a) * sx)) * sy;
    }
    uint32_t seed_;
};

class Picture {
public:
    Picture(int w, int h) : w_(w), h_(h), px_(static_cast<std::size_t>(w * h)) {}
    int width() const { return w_; }
    int height() const { return h_; }
    Colour& at(int x, int y) { return px_[static_cast<std::size_t>(y * w_ + x)]; }
    void add(int x, int y, Colour c) {
        if (x >= 0 && y >= 0 && x < w_ && y < h_) at(x, y) = at(x, y) + c;
    }

    bool writeJpeg(const std::string& path, int quality) const {
        FILE* file = std::fopen(path.c_str(), "wb");
        if (!file) return false;
        jpeg_compress_struct cinfo;
        jpeg_error_mgr jerr;
        cinfo.err = jpeg_std_error(&jerr);
        jpeg_create_compress(&cinfo);
        jpeg_stdio_dest(&cinfo, file);
        cinfo.image_width = static_cast<JDIMENSION>(w_);
        cinfo.image_height = static_cast<JDIMENSION>(h_);
        cinfo.input_components = 3;
        cinfo.in_color_space = JCS_RGB;
        jpeg_set_defaults(&cinfo);
        jpeg_set_quality(&cinfo, quality, TRUE);
        cinfo.optimize_coding = TRUE;
        jpeg_start_compress(&cinfo, TRUE);
        std::vector<JSAMPLE> row(static_cast<std::size_t>(w_ * 3));
        while (cinfo.next_scanline < cinfo.image_height) {
            const int y = static_cast<int>(cinfo.next_scanline);
            for (int x = 0; x < w_; ++x) {
                const Colour& c = px_[static_cast<std::size_t>(y * w_ + x)];
                row[x * 3 + 0] = static_cast<JSAMPLE>(std::lround(clamp01(c.r) * 255));
                row[x * 3 + 1] = static_cast<JSAMPLE>(std::lround(clamp01(c.g) * 255));
                row[x * 3 + 2] = static_cast<JSAMPLE>(std::lround(clamp01(c.b) * 255));
            }
            JSAMPROW rows[1] = {row.data()};
            jpeg_write_scanlines(&cinfo, rows, 1);
        }
        jpeg_finish_compress(&cinfo);
        jpeg_destroy_compress(&cinfo);
        return std::fclose(file) == 0;
    }

private:
    int w_, h_;
    std::vector<Colour> px_;
};

// Deep space: a dark gradient with one or two coloured clouds.
struct Nebula {
    Colour tint;
    double cx, cy, radius, strength;
};

void paintSpace(Picture& pic, uint32_t seed, Colour top, Colour bottom,
                const std::vector<Nebula>& clouds) {
    const Noise noise(seed);
    const double w = pic.width(), h = pic.height();
    for (int y = 0; y < pic.height(); ++y)
        for (int x = 0; x < pic.width(); ++x) {
            const double u = x / w, v = y / h;
            Colour c = mix(top, bottom, v);
            for (const Nebula& n : clouds) {
                const double dx = (u - n.cx) * (w / h), dy = v - n.cy;
                const double fall = std::exp(-(dx * dx + dy * dy) / (n.radius * n.radius));
                const double cloud = noise.at(u * 6 + n.cx * 17, v * 4 + n.cy * 13, 6);
                const double wisps = smooth(0.35, 0.85, cloud);
                c = c + n.tint * (fall * wisps * n.strength);
            }
            pic.at(x, y) = c;
        }
}

void paintStars(Picture& pic, uint32_t seed, int count) {
    Dice dice(seed);
    for (int i = 0; i < count; ++i) {
        const double x = dice.unit() * pic.width(), y = dice.unit() * pic.height();
        // Most stars are faint; a few are bright and get a soft halo.
        const double m = std::pow(dice.unit(), 6.0);
        const double warmth = dice.unit();
        const Colour tint = warmth < 0.2   ? Colour{1.0, 0.85, 0.7}
                            : warmth < 0.5 ? Colour{0.8, 0.88, 1.0}
                                           : Colour{1.0, 1.0, 1.0};
        const double brightness = 0.25 + 0.75 * m;
        const double radius = 0.6 + 2.6 * m;
        const int r = static_cast<int>(std::ceil(radius * 3));
        for (int dy = -r; dy <= r; ++dy)
            for (int dx = -r; dx <= r; ++dx) {
                const double px = std::floor(x) + dx + 0.5 - x, py = std::floor(y) + dy + 0.5 - y;
                const double d2 = px * px + py * py;
                double k = std::exp(-d2 / (radius * radius * 0.5)) * brightness;
                if (m > 0.5) k += std::exp(-d2 / (radius * radius * 6)) * 0.15 * brightness;
                pic.add(static_cast<int>(x) + dx, static_cast<int>(y) + dy, tint * k);
            }
    }
}

struct Planet {
    double cx, cy, radius;  // pixels
    Colour light, dark, glow;
    uint32_t seed;
    double bands;         // > 0: a gas giant with bands
    double ringTilt = 0;  // > 0: a ring around it
};

void paintPlanet(Picture& pic, const Planet& p) {
    const Noise noise(p.seed);
    // The sun is up and to the left.
    const double lx = -0.6, ly = -0.45, lz = 0.66;
    auto ringAt = [&](double x, double y, bool front) -> double {
        if (p.ringTilt <= 0) return 0;
        const double dx = (x - p.cx) / p.radius, dy = (y - p.cy) / (p.radius * p.ringTilt);
        const double d = std::sqrt(dx * dx + dy * dy);
        if (d < 1.35 || d > 2.2) return 0;
        if (front != (y > p.cy)) return 0;
        const double grain = 0.6 + 0.4 * std::sin(d * 40.0) * std::sin(d * 13.0);
        return smooth(1.35, 1.45, d) * (1 - smooth(2.0, 2.2, d)) * grain * 0.55;
    };
    const Colour ringColour{0.85, 0.78, 0.62};
    for (int y = 0; y < pic.height(); ++y)
        for (int x = 0; x < pic.width(); ++x) {
            const double dx = (x + 0.5 - p.cx) / p.radius, dy = (y + 0.5 - p.cy) / p.radius;
            const double d2 = dx * dx + dy * dy;
            Colour c = pic.at(x, y);
            c = c + ringColour * ringAt(x + 0.5, y + 0.5, false);
            if (d2 < 1.0) {
                const double dz = std::sqrt(1 - d2);
                const double lambert = std::max(0.0, dx * lx + dy * ly + dz * lz);
                double surface;
                if (p.bands > 0)
                    surface =
                        0.5 + 0.5 * std::sin(dy * p.bands + 2.5 * noise.at(dx * 3, dy * 9, 5));
                else
                    surface = noise.at(dx * 3 + 5, dy * 3 + 5, 6);
                Colour ground = mix(p.dark, p.light, smooth(0.3, 0.75, surface));
                const double edge = smooth(0.9, 1.0, std::sqrt(d2));
                const double shade = 0.04 + 0.96 * std::pow(lambert, 0.8);
                c = ground * shade + p.glow * (edge * 0.6 * (0.3 + lambert));
            } else {
                // A thin atmosphere glows beyond the rim.
                const double out = std::sqrt(d2) - 1.0;
                const double lit = std::max(0.0, (dx * lx + dy * ly) / std::sqrt(d2) + 0.3);
                c = c + p.glow * (std::exp(-out * 28.0) * 0.55 * lit);
            }
            c = c + ringColour * ringAt(x + 0.5, y + 0.5, true);
            pic.at(x, y) = c;
        }
}

bool save(const Picture& pic, const std::string& folder, const char* name) {
    const std::string path = folder + "/" + name;
    if (!pic.writeJpeg(path, 84)) {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
        return false;
    }
    std::printf("wrote %s (%dx%d)\n", path.c_str(), pic.width(), pic.height());
    return true;
}

constexpr int kWidth = 1280, kHeight = 800;

// The main menu: a ringed giant rising in the lower right, a small moon, a violet cloud.
Picture menuPicture() {
    Picture pic(kWidth, kHeight);
    paintSpace(
        pic, 11, {0.01, 0.01, 0.04}, {0.03, 0.02, 0.07},
        {{{0.35, 0.12, 0.45}, 0.25, 0.3, 0.45, 0.55}, {{0.08, 0.2, 0.45}, 0.7, 0.2, 0.35, 0.4}});
    paintStars(pic, 12, 2600);
    paintPlanet(
        pic,
        {1030, 700, 260, {0.92, 0.72, 0.48}, {0.45, 0.25, 0.15}, {0.9, 0.6, 0.35}, 13, 14.0, 0.28});
    paintPlanet(pic, {700, 560, 34, {0.75, 0.78, 0.8}, {0.3, 0.32, 0.35}, {0.6, 0.7, 0.9}, 14, 0});
    return pic;
}

// The ranking: a golden band of gas across the sky and a blue world low on the left.
Picture rankingPicture() {
    Picture pic(kWidth, kHeight);
    paintSpace(pic, 21, {0.01, 0.015, 0.04}, {0.02, 0.01, 0.03},
               {{{0.55, 0.35, 0.1}, 0.6, 0.6, 0.5, 0.5}, {{0.15, 0.1, 0.4}, 0.2, 0.8, 0.35, 0.45}});
    paintStars(pic, 22, 2400);
    paintPlanet(pic, {190, 640, 95, {0.35, 0.6, 0.95}, {0.05, 0.15, 0.4}, {0.4, 0.7, 1.0}, 23, 0});
    return pic;
}

// The travel map: open space with a faint band of the galaxy; the planets are drawn on top.
Picture travelPicture() {
    Picture pic(kWidth, kHeight);
    paintSpace(pic, 31, {0.005, 0.01, 0.03}, {0.01, 0.01, 0.03},
               {{{0.2, 0.22, 0.35}, 0.5, 0.5, 0.6, 0.35}, {{0.3, 0.1, 0.2}, 0.85, 0.85, 0.3, 0.3}});
    paintStars(pic, 32, 3200);
    return pic;
}

// The planet hub: a green and ochre world filling the bottom of the view.
Picture hubPicture() {
    Picture pic(kWidth, kHeight);
    paintSpace(pic, 41, {0.01, 0.01, 0.035}, {0.01, 0.02, 0.04},
               {{{0.1, 0.25, 0.35}, 0.8, 0.25, 0.4, 0.4}});
    paintStars(pic, 42, 2000);
    paintPlanet(pic,
                {380, 1900, 1300, {0.55, 0.6, 0.35}, {0.15, 0.25, 0.3}, {0.45, 0.7, 1.0}, 43, 0});
    return pic;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT-FOLDER\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    bool ok = save(menuPicture(), folder, "menu.jpg");
    ok = save(rankingPicture(), folder, "ranking.jpg") && ok;
    ok = save(travelPicture(), folder, "travel.jpg") && ok;
    ok = save(hubPicture(), folder, "hub.jpg") && ok;
    return ok ? 0 : 1;
}
