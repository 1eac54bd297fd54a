#include "assetgen/art/canvas.h"

#include <algorithm>
#include <cmath>

#include "util/random.h"

namespace assetgen {

std::uint32_t mix(std::uint32_t a, std::uint32_t b, float t) {
  t = std::clamp(t, 0.0f, 1.0f);
  std::uint32_t out = 0;
  for (int shift = 0; shift <= 24; shift += 8) {
    const float x = static_cast<float>((a >> shift) & 0xFF);
    const float y = static_cast<float>((b >> shift) & 0xFF);
    out |= static_cast<std::uint32_t>(std::lround(x + (y - x) * t)) << shift;
  }
  return out;
}

void blend(tools::ArgbImage& image, int x, int y, std::uint32_t colour, float coverage) {
  if (x < 0 || y < 0 || x >= image.width || y >= image.height || coverage <= 0.0f) return;
  const float sa = static_cast<float>(colour >> 24) / 255.0f * std::min(coverage, 1.0f);
  if (sa <= 0.0f) return;
  std::uint32_t& p = image.at(x, y);
  const float da = static_cast<float>(p >> 24) / 255.0f;
  const float oa = sa + da * (1.0f - sa);
  std::uint32_t out = static_cast<std::uint32_t>(std::lround(oa * 255.0f)) << 24;
  for (int shift = 0; shift <= 16; shift += 8) {
    const float s = static_cast<float>((colour >> shift) & 0xFF);
    const float d = static_cast<float>((p >> shift) & 0xFF);
    const float c = (s * sa + d * da * (1.0f - sa)) / oa;
    out |= static_cast<std::uint32_t>(std::clamp(std::lround(c), 0L, 255L)) << shift;
  }
  p = out;
}

float edgeCoverage(float distance) {
  return std::clamp(0.5f - distance, 0.0f, 1.0f);
}

void fillDisc(tools::ArgbImage& image, float cx, float cy, float r,
              const std::function<std::uint32_t(float x, float y)>& shade) {
  const int x0 = std::max(0, static_cast<int>(cx - r - 1)),
            x1 = std::min(image.width - 1, static_cast<int>(cx + r + 1));
  const int y0 = std::max(0, static_cast<int>(cy - r - 1)),
            y1 = std::min(image.height - 1, static_cast<int>(cy + r + 1));
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x) {
      const float px = static_cast<float>(x) + 0.5f, py = static_cast<float>(y) + 0.5f;
      const float d = std::hypot(px - cx, py - cy) - r;
      const float c = edgeCoverage(d);
      if (c > 0.0f) blend(image, x, y, shade(px, py), c);
    }
}

namespace {

float roundBoxDistance(float px, float py, float x, float y, float w, float h, float r) {
  const float cx = x + w / 2, cy = y + h / 2;
  const float qx = std::abs(px - cx) - (w / 2 - r), qy = std::abs(py - cy) - (h / 2 - r);
  const float outside = std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f));
  return outside + std::min(std::max(qx, qy), 0.0f) - r;
}

}  // namespace

void fillRoundBox(tools::ArgbImage& image, float x, float y, float w, float h, float r,
                  std::uint32_t colour) {
  for (int py = 0; py < image.height; ++py)
    for (int px = 0; px < image.width; ++px) {
      const float d = roundBoxDistance(px + 0.5f, py + 0.5f, x, y, w, h, r);
      blend(image, px, py, colour, edgeCoverage(d));
    }
}

void fillRoundBoxGradient(tools::ArgbImage& image, float x, float y, float w, float h, float r,
                          std::uint32_t top, std::uint32_t bottom) {
  for (int py = 0; py < image.height; ++py) {
    const std::uint32_t colour = mix(top, bottom, (py + 0.5f - y) / (h > 0 ? h : 1.0f));
    for (int px = 0; px < image.width; ++px) {
      const float d = roundBoxDistance(px + 0.5f, py + 0.5f, x, y, w, h, r);
      blend(image, px, py, colour, edgeCoverage(d));
    }
  }
}

void strokeRoundBox(tools::ArgbImage& image, float x, float y, float w, float h, float r,
                    float width, std::uint32_t colour) {
  for (int py = 0; py < image.height; ++py)
    for (int px = 0; px < image.width; ++px) {
      const float d = roundBoxDistance(px + 0.5f, py + 0.5f, x, y, w, h, r);
      blend(image, px, py, colour, edgeCoverage(std::abs(d + width / 2) - width / 2));
    }
}

void fillTriangle(tools::ArgbImage& image, float ax, float ay, float bx, float by, float cx,
                  float cy, std::uint32_t colour) {
  const auto side = [](float x0, float y0, float x1, float y1, float px, float py) {
    const float len = std::hypot(x1 - x0, y1 - y0);
    return ((px - x0) * (y1 - y0) - (py - y0) * (x1 - x0)) / (len > 0 ? len : 1.0f);
  };
  const float orient = side(ax, ay, bx, by, cx, cy) > 0 ? -1.0f : 1.0f;
  for (int py = 0; py < image.height; ++py)
    for (int px = 0; px < image.width; ++px) {
      const float x = px + 0.5f, y = py + 0.5f;
      const float d =
          std::max({orient * side(ax, ay, bx, by, x, y), orient * side(bx, by, cx, cy, x, y),
                    orient * side(cx, cy, ax, ay, x, y)});
      blend(image, px, py, colour, edgeCoverage(d));
    }
}

void verticalGradient(tools::ArgbImage& image, int y0, int y1, std::uint32_t top,
                      std::uint32_t bottom) {
  for (int y = std::max(0, y0); y <= std::min(image.height - 1, y1); ++y) {
    const float t = y1 > y0 ? static_cast<float>(y - y0) / static_cast<float>(y1 - y0) : 0.0f;
    const std::uint32_t c = mix(top, bottom, t);
    for (int x = 0; x < image.width; ++x)
      image.at(x, y) = c;
  }
}

void fade(tools::ArgbImage& image, float factor) {
  for (std::uint32_t& p : image.pixels) {
    const auto a = static_cast<std::uint32_t>(std::lround(static_cast<float>(p >> 24) * factor));
    p = (p & 0xFFFFFF) | (std::min(a, 255u) << 24);
  }
}

void blit(tools::ArgbImage& dst, const tools::ArgbImage& src, int x0, int y0) {
  for (int y = 0; y < src.height; ++y)
    for (int x = 0; x < src.width; ++x) {
      const std::uint32_t p = src.at(x, y);
      blend(dst, x0 + x, y0 + y, p | 0xFF000000, static_cast<float>(p >> 24) / 255.0f);
    }
}

tools::ArgbImage flipRows(const tools::ArgbImage& image) {
  tools::ArgbImage out(image.width, image.height);
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x)
      out.at(x, image.height - 1 - y) = image.at(x, y);
  return out;
}

namespace {

// One pass of a box blur along rows (horizontal) or columns, on premultiplied channels.
void boxPass(std::vector<float>& data, int w, int h, int radius, bool horizontal) {
  const int lines = horizontal ? h : w, length = horizontal ? w : h;
  std::vector<float> line(static_cast<std::size_t>(length) * 4);
  for (int l = 0; l < lines; ++l) {
    const auto index = [&](int i) {
      return (horizontal ? static_cast<std::size_t>(l) * w + i
                         : static_cast<std::size_t>(i) * w + l) *
             4;
    };
    for (int i = 0; i < length; ++i) {
      float sum[4] = {0, 0, 0, 0};
      for (int k = std::max(0, i - radius); k <= std::min(length - 1, i + radius); ++k)
        for (int c = 0; c < 4; ++c)
          sum[c] += data[index(k) + c];
      for (int c = 0; c < 4; ++c)
        line[static_cast<std::size_t>(i) * 4 + c] = sum[c] / static_cast<float>(2 * radius + 1);
    }
    for (int i = 0; i < length; ++i)
      for (int c = 0; c < 4; ++c)
        data[index(i) + c] = line[static_cast<std::size_t>(i) * 4 + c];
  }
}

}  // namespace

tools::ArgbImage blur(const tools::ArgbImage& image, int radius) {
  if (radius <= 0) return image;
  const int w = image.width, h = image.height;
  std::vector<float> data(static_cast<std::size_t>(w) * h * 4);
  for (std::size_t i = 0; i < image.pixels.size(); ++i) {
    const std::uint32_t p = image.pixels[i];
    const float a = static_cast<float>(p >> 24) / 255.0f;
    data[i * 4 + 0] = a;
    data[i * 4 + 1] = static_cast<float>((p >> 16) & 0xFF) * a;
    data[i * 4 + 2] = static_cast<float>((p >> 8) & 0xFF) * a;
    data[i * 4 + 3] = static_cast<float>(p & 0xFF) * a;
  }
  for (int pass = 0; pass < 2; ++pass) {
    boxPass(data, w, h, radius, true);
    boxPass(data, w, h, radius, false);
  }
  tools::ArgbImage out(w, h);
  for (std::size_t i = 0; i < out.pixels.size(); ++i) {
    const float a = data[i * 4];
    if (a <= 0.0f) continue;
    const auto channel = [&](int c) {
      return static_cast<std::uint32_t>(std::clamp(std::lround(data[i * 4 + c] / a), 0L, 255L));
    };
    const auto alpha = static_cast<std::uint32_t>(std::clamp(std::lround(a * 255.0f), 0L, 255L));
    out.pixels[i] = (alpha << 24) | (channel(1) << 16) | (channel(2) << 8) | channel(3);
  }
  return out;
}

tools::ArgbImage withShadow(const tools::ArgbImage& image, int dx, int dy, int radius,
                            std::uint32_t colour) {
  tools::ArgbImage shadow(image.width, image.height);
  const float strength = static_cast<float>(colour >> 24) / 255.0f;
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x) {
      const int sx = x - dx, sy = y - dy;
      if (sx < 0 || sy < 0 || sx >= image.width || sy >= image.height) continue;
      const auto a =
          static_cast<unsigned>(std::lround(static_cast<float>(image.at(sx, sy) >> 24) * strength));
      shadow.at(x, y) = withAlpha(colour, a);
    }
  tools::ArgbImage out = blur(shadow, radius);
  blit(out, image, 0, 0);
  return out;
}

ValueNoise::ValueNoise(std::uint32_t seed, float cell) : cell_(cell) {
  util::Random random(seed);
  for (float& v : values_)
    v = static_cast<float>(random.next()) / util::Random::kMax;
}

float ValueNoise::at(float x, float y) const {
  const float gx = x / cell_, gy = y / cell_;
  const float fx = std::floor(gx), fy = std::floor(gy);
  const auto wrap = [](float v) { return ((static_cast<int>(v) % kSize) + kSize) % kSize; };
  const int x0 = wrap(fx), y0 = wrap(fy), x1 = (x0 + 1) % kSize, y1 = (y0 + 1) % kSize;
  const auto smooth = [](float t) { return t * t * (3 - 2 * t); };
  const float tx = smooth(gx - fx), ty = smooth(gy - fy);
  const float top =
      values_[y0 * kSize + x0] + (values_[y0 * kSize + x1] - values_[y0 * kSize + x0]) * tx;
  const float bottom =
      values_[y1 * kSize + x0] + (values_[y1 * kSize + x1] - values_[y1 * kSize + x0]) * tx;
  return top + (bottom - top) * ty;
}

}  // namespace assetgen
