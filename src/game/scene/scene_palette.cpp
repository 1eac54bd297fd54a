#include "game/scene/scene_palette.h"

#include <string>

#include "gfx/color.h"
#include "script/variable_table.h"
#include "util/c_text.h"

namespace game {

std::uint16_t ColorVariable(const script::VariableTable& variables, const char* name) {
  const std::optional<std::string> text = variables.GetVariable(name);
  if (!text) return 0;
  // atoi of the text, kept to its 24 colour bits.
  const auto rgb = static_cast<std::uint32_t>(util::parseInt(*text));
  return gfx::Rgb565From24(rgb & 0xFFFFFFu);
}

ScenePalette ReadScenePalette(const script::VariableTable& variables) {
  ScenePalette p;
  for (int k = 0; k < kColorCount; ++k) {
    const std::string digit = std::to_string(k + 1);
    p.blob[k] = ColorVariable(variables, ("BLOB_COLOR" + digit).c_str());
    p.link[k] = ColorVariable(variables, ("LINK_COLOR" + digit).c_str());
  }
  p.magicBlob = ColorVariable(variables, "MAGIC_BLOB_COLOR");
  p.frozenLink = ColorVariable(variables, "FROZEN_LINK_COLOR");
  p.sky = ColorVariable(variables, "SKY_COLOR");
  p.unfixedLink = ColorVariable(variables, "UNFIXED_LINK_COLOR");
  p.earth = ColorVariable(variables, "EARTH_COLOR");
  p.earthBorder = ColorVariable(variables, "EARTH_BORDER_COLOR");
  return p;
}

}  // namespace game
