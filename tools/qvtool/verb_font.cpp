// qvtool font TTF PIXELS OUT.cfn|OUT.font [options]: renders a TrueType (or other FreeType)
// font at PIXELS pixels into one of the game's font files, chosen by OUT's extension. Options:
//   --chars A-B           codes rendered, decimal, within 32..255 (default 32-255)
//   --name NAME           .cfn: the name stored in the file (default: OUT's file name
//                         without its extension, cut to 15 characters)
//   --fill RRGGBB         .cfn: letter colour (default white); AARRGGBB gives an alpha too
//   --fill2 RRGGBB        .cfn: bottom colour of a vertical gradient from --fill
//   --outline RRGGBB      .cfn: outline colour (default black), width 1 unless --outline-width
//   --outline-width N     .cfn: 0..4 pixels
//   --shadow RRGGBB       .cfn: drop shadow colour (default half-transparent black), offset 1
//                         unless --shadow-offset
//   --shadow-offset N     .cfn: 0..4 pixels right and down
// .font glyphs are coverage masks drawn in the text's colour, so the colour options are refused
// for them. Exit status 0 when OUT is written, 1 with one line on standard error when rendering
// or writing fails, 2 for a usage error.
#include <cctype>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

#include "lib/font_render.h"
#include "platform/file.h"
#include "qvtool/verbs.h"

namespace qvtool {
namespace {

constexpr const char* kUsage =
    "usage: qvtool font TTF PIXELS OUT.cfn|OUT.font [--chars A-B] [--name NAME] [--fill RRGGBB] "
    "[--fill2 RRGGBB] [--outline RRGGBB] [--outline-width N] [--shadow RRGGBB] "
    "[--shadow-offset N]\n";

int fail(const std::string& message) {
  std::fprintf(stderr, "qvtool font: %s\n", message.c_str());
  return 1;
}

/// A whole decimal number; false for anything else (signs, spaces, trailing text).
bool parseNumber(std::string_view text, int& out) {
  if (text.empty()) return false;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
  return ec == std::errc{} && end == text.data() + text.size();
}

/// RRGGBB (opaque) or AARRGGBB, hexadecimal, an optional leading '#'.
bool parseColour(std::string_view text, std::uint32_t& out) {
  if (!text.empty() && text[0] == '#') text.remove_prefix(1);
  if (text.size() != 6 && text.size() != 8) return false;
  std::uint32_t value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
  if (ec != std::errc{} || end != text.data() + text.size()) return false;
  out = text.size() == 6 ? (0xFF000000u | value) : value;
  return true;
}

/// "A-B", both decimal.
bool parseRange(std::string_view text, int& first, int& last) {
  const std::size_t dash = text.find('-');
  return dash != std::string_view::npos && parseNumber(text.substr(0, dash), first) &&
         parseNumber(text.substr(dash + 1), last);
}

std::string lowerExtension(const std::string& path) {
  std::string ext = std::filesystem::path(path).extension().string();
  for (char& c : ext)
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return ext;
}

}  // namespace

int runFont(Args args) {
  if (args.size() < 3) {
    std::fprintf(stderr, "%s", kUsage);
    return 2;
  }
  const std::string ttf(args[0]), out(args[2]);
  tools::FontRenderOptions options;
  if (!parseNumber(args[1], options.pixels))
    return fail("pixel size '" + std::string(args[1]) + "' is not a whole number");
  const std::string ext = lowerExtension(out);
  if (ext != ".cfn" && ext != ".font") return fail(out + ": the output must end in .cfn or .font");
  const bool colour = ext == ".cfn";
  options.name = std::filesystem::path(out).stem().string().substr(0, 15);

  bool outlineWidthGiven = false, shadowOffsetGiven = false;
  bool outlineGiven = false, shadowGiven = false;
  for (std::size_t i = 3; i < args.size(); ++i) {
    const std::string_view option = args[i];
    if (i + 1 >= args.size() || option.substr(0, 2) != "--") {
      std::fprintf(stderr, "%s", kUsage);
      return 2;
    }
    const std::string_view value = args[++i];
    const std::string quoted = std::string(option) + " '" + std::string(value) + "'";
    tools::FontStyle& style = options.style;
    if (option == "--chars") {
      if (!parseRange(value, options.firstCode, options.lastCode))
        return fail(quoted + ": expected two decimal codes A-B");
      continue;
    }
    if (!colour) return fail(std::string(option) + " applies to .cfn fonts only");
    bool good = true;
    if (option == "--name") {
      options.name = std::string(value);
    } else if (option == "--fill") {
      good = parseColour(value, style.fill);
    } else if (option == "--fill2") {
      good = parseColour(value, style.fill2);
    } else if (option == "--outline") {
      good = parseColour(value, style.outline);
      outlineGiven = true;
    } else if (option == "--shadow") {
      good = parseColour(value, style.shadow);
      shadowGiven = true;
    } else if (option == "--outline-width") {
      good = parseNumber(value, style.outlineWidth);
      outlineWidthGiven = true;
    } else if (option == "--shadow-offset") {
      good = parseNumber(value, style.shadowOffset);
      shadowOffsetGiven = true;
    } else {
      std::fprintf(stderr, "%s", kUsage);
      return 2;
    }
    if (!good) return fail(quoted + ": not a valid value");
  }
  if (outlineGiven && !outlineWidthGiven) options.style.outlineWidth = 1;
  if (shadowGiven && !shadowOffsetGiven) options.style.shadowOffset = 1;

  tools::FontCell cell;
  auto bytes = colour ? tools::renderColorFont(ttf, options, &cell)
                      : tools::renderMaskFont(ttf, options, &cell);
  if (!bytes) return fail(bytes.error().message);
  util::Status written = platform::writeFileAtomically(out, *bytes);
  if (!written) return fail(out + ": " + written.error().message);
  std::printf("%s: codes %d-%d, %d pixels high, %zu bytes\n", out.c_str(), options.firstCode,
              options.lastCode, cell.height, bytes->size());
  return 0;
}

}  // namespace qvtool
