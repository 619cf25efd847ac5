#pragma once

#include <cstdint>
#include <vector>

// An RGBA picture for the art builder. Pixels are 0xAARRGGBB; 0 (transparent black) is the
// hole that the game's key-colour images skip. Every drawing call clips to the canvas.
class Canvas {
public:
    Canvas(int width, int height) : width_(width), height_(height), pixels_(width * height, 0) {}

    int width() const { return width_; }
    int height() const { return height_; }
    std::uint32_t pixel(int x, int y) const { return pixels_[y * width_ + x]; }
    const std::vector<std::uint32_t>& pixels() const { return pixels_; }

    // Opaque colours are given as 0xRRGGBB; the alpha byte is added here.
    void put(int x, int y, std::uint32_t rgb);
    // Mixes the colour over what is there by amount 0..1 (result stays opaque).
    void blend(int x, int y, std::uint32_t rgb, double amount);
    void clear(int x, int y);

    void fillRect(int x, int y, int w, int h, std::uint32_t rgb);
    void gradient(int x, int y, int w, int h, std::uint32_t top, std::uint32_t bottom);
    void disc(double cx, double cy, double rx, double ry, std::uint32_t rgb);
    void ring(double cx, double cy, double r, double thickness, std::uint32_t rgb);
    void line(int x0, int y0, int x1, int y1, std::uint32_t rgb);
    // A soft round light: full colour at the centre fading to nothing at radius r.
    void glow(double cx, double cy, double r, std::uint32_t rgb, double strength);
    // A ridge of hills whose top wanders around base, filled to the bottom.
    void hills(int seed, int base, int amplitude, std::uint32_t rgb);
    // An almond-shaped eye with a slit pupil; lid 0 is wide open, 1 shut.
    void eye(double cx, double cy, double w, double h, double lid, std::uint32_t lidColor);
    // Single pixels at places picked by a fixed generator (stars, snow).
    void scatter(int seed, int count, std::uint32_t rgb);
    // Copies another canvas scaled up by an integer factor; holes stay see-through.
    void stamp(const Canvas& source, int x, int y, int scale);
    // Makes the corners see-through outside quarter circles of the given radius (icons).
    void roundCorners(double radius);

private:
    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    int width_;
    int height_;
    std::vector<std::uint32_t> pixels_;
};

std::uint32_t mixColor(std::uint32_t a, std::uint32_t b, double t);
