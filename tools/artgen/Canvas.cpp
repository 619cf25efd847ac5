#include "Canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// A small fixed generator so the pictures come out the same on every build.
struct Dice {
    std::uint32_t state;
    int roll(int n) {
        state = state * 1103515245u + 12345u;
        return static_cast<int>((state >> 16) % static_cast<std::uint32_t>(n));
    }
};

}  // namespace

std::uint32_t mixColor(std::uint32_t a, std::uint32_t b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    std::uint32_t out = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const double ca = (a >> shift) & 0xFF;
        const double cb = (b >> shift) & 0xFF;
        out |= static_cast<std::uint32_t>(std::lround(ca + (cb - ca) * t)) << shift;
    }
    return out;
}

void Canvas::put(int x, int y, std::uint32_t rgb) {
    if (inside(x, y)) {
        pixels_[y * width_ + x] = 0xFF000000u | (rgb & 0xFFFFFF);
    }
}

void Canvas::blend(int x, int y, std::uint32_t rgb, double amount) {
    if (inside(x, y)) {
        put(x, y, mixColor(pixels_[y * width_ + x] & 0xFFFFFF, rgb, amount));
    }
}

void Canvas::clear(int x, int y) {
    if (inside(x, y)) {
        pixels_[y * width_ + x] = 0;
    }
}

void Canvas::fillRect(int x, int y, int w, int h, std::uint32_t rgb) {
    for (int j = y; j < y + h; ++j) {
        for (int i = x; i < x + w; ++i) {
            put(i, j, rgb);
        }
    }
}

void Canvas::gradient(int x, int y, int w, int h, std::uint32_t top, std::uint32_t bottom) {
    for (int j = 0; j < h; ++j) {
        // Eight bands instead of a smooth ramp keep the pixel-art look.
        const double t = h > 1 ? std::floor(8.0 * j / h) / 7.0 : 0.0;
        fillRect(x, y + j, w, 1, mixColor(top, bottom, t));
    }
}

void Canvas::disc(double cx, double cy, double rx, double ry, std::uint32_t rgb) {
    for (int y = static_cast<int>(cy - ry) - 1; y <= cy + ry + 1; ++y) {
        for (int x = static_cast<int>(cx - rx) - 1; x <= cx + rx + 1; ++x) {
            const double dx = (x + 0.5 - cx) / rx;
            const double dy = (y + 0.5 - cy) / ry;
            if (dx * dx + dy * dy <= 1.0) {
                put(x, y, rgb);
            }
        }
    }
}

void Canvas::ring(double cx, double cy, double r, double thickness, std::uint32_t rgb) {
    for (int y = static_cast<int>(cy - r) - 1; y <= cy + r + 1; ++y) {
        for (int x = static_cast<int>(cx - r) - 1; x <= cx + r + 1; ++x) {
            const double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy);
            if (d <= r && d >= r - thickness) {
                put(x, y, rgb);
            }
        }
    }
}

void Canvas::line(int x0, int y0, int x1, int y1, std::uint32_t rgb) {
    const int dx = std::abs(x1 - x0);
    const int dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1;
    const int sy = y0 < y1 ? 1 : -1;
    int error = dx + dy;
    while (true) {
        put(x0, y0, rgb);
        if (x0 == x1 && y0 == y1) {
            break;
        }
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x0 += sx;
        }
        if (twice <= dx) {
            error += dx;
            y0 += sy;
        }
    }
}

void Canvas::glow(double cx, double cy, double r, std::uint32_t rgb, double strength) {
    for (int y = static_cast<int>(cy - r); y <= cy + r; ++y) {
        for (int x = static_cast<int>(cx - r); x <= cx + r; ++x) {
            const double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy) / r;
            if (d < 1.0 && inside(x, y)) {
                // Quantised falloff: four rings of light rather than a smooth blur.
                const double level = std::ceil((1.0 - d) * 4.0) / 4.0;
                blend(x, y, rgb, std::min(1.0, level * strength));
            }
        }
    }
}

void Canvas::stamp(const Canvas& source, int x, int y, int scale) {
    for (int j = 0; j < source.height(); ++j) {
        for (int i = 0; i < source.width(); ++i) {
            const std::uint32_t value = source.pixel(i, j);
            if (value == 0) {
                continue;
            }
            for (int v = 0; v < scale; ++v) {
                for (int u = 0; u < scale; ++u) {
                    put(x + i * scale + u, y + j * scale + v, value);
                }
            }
        }
    }
}

void Canvas::roundCorners(double radius) {
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            // Distances of the pixel's centre from the nearest side and the nearest top or bottom.
            const double ex = std::min(x + 0.5, width_ - x - 0.5);
            const double ey = std::min(y + 0.5, height_ - y - 0.5);
            if (ex < radius && ey < radius && std::hypot(radius - ex, radius - ey) >= radius) {
                clear(x, y);
            }
        }
    }
}

// A ridge of hills: a random walk along the top edge, filled down to the bottom.
void Canvas::hills(int seed, int base, int amplitude, std::uint32_t rgb) {
    Dice dice{static_cast<std::uint32_t>(seed)};
    int height = base;
    for (int x = 0; x < width_; ++x) {
        if (x % 2 == 0) {
            height += dice.roll(3) - 1;
            height = std::clamp(height, base - amplitude, base + amplitude);
        }
        fillRect(x, height, 1, height_ - height, rgb);
    }
}

// An almond-shaped eye with a slit pupil; lid 0 is wide open, 1 shut.
void Canvas::eye(double cx, double cy, double w, double h, double lid, std::uint32_t lidColor) {
    // The upper lid comes down further than the lower one comes up; shut, they meet just
    // below the middle and leave one dark line.
    const double top = cy - h / 2 + lid * h * 0.6;
    const double bottom = cy + h / 2 - lid * h * 0.4;
    for (int y = static_cast<int>(cy - h / 2) - 1; y <= cy + h / 2 + 1; ++y) {
        for (int x = static_cast<int>(cx - w / 2) - 1; x <= cx + w / 2 + 1; ++x) {
            const double dx = (x + 0.5 - cx) / (w / 2);
            const double dy = (y + 0.5 - cy) / (h / 2);
            const double edge = 1.0 - dx * dx;
            if (edge <= 0 || std::fabs(dy) > edge) {
                continue;
            }
            const bool rim = std::fabs(dy) > edge - 0.28 || std::fabs(dx) > 0.92;
            std::uint32_t rgb = rim ? 0x1a1020 : 0xf0e8d8;
            const double r = std::hypot((x + 0.5 - cx) / (h * 0.5), dy);
            if (!rim && r < 0.85) {
                rgb = r < 0.6 ? 0xf8c030 : 0xd03030;
                if (std::fabs(x + 0.5 - cx) < h * 0.09 + 0.5) {
                    rgb = 0x1a1020;
                }
            }
            const double py = y + 0.5;
            if (py < top || py > bottom + 1) {
                rgb = lidColor;
            } else if (lid > 0.01 && (py < top + 1 || py > bottom)) {
                rgb = 0x1a1020;  // the edge of a lid
            }
            put(x, y, rgb);
        }
    }
}

void Canvas::scatter(int seed, int count, std::uint32_t rgb) {
    Dice dice{static_cast<std::uint32_t>(seed)};
    for (int i = 0; i < count; ++i) {
        const int x = dice.roll(width_);
        const int y = dice.roll(height_);
        put(x, y, rgb);
    }
}
