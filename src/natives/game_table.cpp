#include "natives/game_table.h"

#include <string>

#include "util/c_text.h"

namespace natives {
namespace {

using Args = std::span<const std::string>;

// The i-th script argument (the last element is the caller's script name, not an argument);
// a missing one reads as an empty text, which converts to 0.
std::string_view arg(Args args, std::size_t i) {
  return i + 1 < args.size() ? std::string_view(args[i]) : std::string_view();
}
std::size_t argCount(Args args) {
  return args.empty() ? 0 : args.size() - 1;
}
int intArg(Args args, std::size_t i) {
  return util::parseInt(arg(args, i));
}
float floatArg(Args args, std::size_t i) {
  return static_cast<float>(util::parseDouble(arg(args, i)));
}

}  // namespace

bool RegisterGameNatives(script::NativeRegistry& registry, const GameTableServices& services) {
  if (!services.gameScene || !services.demoScene) return false;
  const auto game = services.gameScene;
  const auto demo = services.demoScene;
  const auto add = [&](const char* name, script::NativeFunction function) {
    registry.RegisterNative(name, std::move(function));
  };
  const auto onGame = [game](auto action) {
    return [game, action](Args args) -> std::optional<std::string> {
      if (game::GameScene* scene = game(); scene != nullptr && scene->initialised()) {
        return action(*scene, args);
      }
      return std::nullopt;
    };
  };
  const auto onDemo = [demo](auto action) {
    return [demo, action](Args args) -> std::optional<std::string> {
      if (game::GameScene* scene = demo(); scene != nullptr && scene->initialised()) {
        return action(*scene, args);
      }
      return std::nullopt;
    };
  };
  using R = std::optional<std::string>;

  add("StartGame", onGame([](game::GameScene& s, Args a) -> R {
        s.StartGame(static_cast<std::int8_t>(intArg(a, 0)), intArg(a, 1), intArg(a, 2),
                    intArg(a, 3));
        return std::nullopt;
      }));
  add("MagMinus", onGame([](game::GameScene& s, Args) -> R {
        s.MagMinus(0.1f);
        return std::nullopt;
      }));
  add("MagPlus", onGame([](game::GameScene& s, Args) -> R {
        s.MagPlus(0.1f);
        return std::nullopt;
      }));
  add("GetSceneWidth", onGame([](game::GameScene& s, Args) -> R {
        return std::to_string(static_cast<std::int16_t>(s.width));
      }));
  add("GetSceneHeight", onGame([](game::GameScene& s, Args) -> R {
        return std::to_string(static_cast<std::int16_t>(s.height));
      }));
  add("SetWind", onGame([](game::GameScene& s, Args a) -> R {
        s.SetWind(floatArg(a, 0));
        return std::nullopt;
      }));
  add("UndoLastTurn", onGame([](game::GameScene& s, Args) -> R {
        s.UndoLastTurn();
        return std::nullopt;
      }));
  add("ShowExperienceWindow", onGame([](game::GameScene& s, Args) -> R {
        s.ShowExperienceWindow();
        return std::nullopt;
      }));
  add("AddBlob", onDemo([](game::GameScene& s, Args a) -> R {
        return s.AddDecorBlob(static_cast<std::int16_t>(intArg(a, 0)),
                              static_cast<std::int16_t>(intArg(a, 1)), intArg(a, 2));
      }));
  add("AddLink", onDemo([](game::GameScene& s, Args a) -> R {
        s.AddDecorLink(arg(a, 0), arg(a, 1), intArg(a, 2));
        return std::nullopt;
      }));
  add("SetResistanceFactor", [game, demo](Args a) -> R {
    if (argCount(a) < 2) return std::nullopt;  // the name alone changes nothing
    const std::string_view name = arg(a, 0);
    const float value = floatArg(a, 1);
    game::GameScene* named = name == "Game" ? game() : name == "Demo" ? demo() : nullptr;
    if (named == nullptr || !named->initialised()) return std::nullopt;
    named->SetResistanceFactor(value);
    // The frozen stiffness is one value for both scenes: the other scene follows.
    for (game::GameScene* s : {game(), demo()}) {
      if (s != nullptr && s->initialised()) s->world().tuning().frozenLinkStiffness = 0.6f;
    }
    return std::nullopt;
  });
  const auto cloud = [](game::GameScene& s, Args a) {
    s.AddCloud(floatArg(a, 0), floatArg(a, 1), floatArg(a, 2), intArg(a, 3));
  };
  add("AddCloudToGame", onGame([cloud](game::GameScene& s, Args a) -> R {
        cloud(s, a);
        return std::nullopt;
      }));
  add("AddCloudToDemo", onDemo([cloud](game::GameScene& s, Args a) -> R {
        cloud(s, a);
        return std::nullopt;
      }));
  add("AddCloud", [game, demo, cloud](Args a) -> R {
    if (game::GameScene* s = game(); s != nullptr && s->initialised()) cloud(*s, a);
    if (game::GameScene* s = demo(); s != nullptr && s->initialised()) cloud(*s, a);
    return std::nullopt;
  });
  add("ExitGame", onGame([](game::GameScene& s, Args) -> R {
        s.ExitGame();
        return std::nullopt;
      }));
  add("SetViewPoint", onDemo([](game::GameScene& s, Args a) -> R {
        s.SetViewPoint(floatArg(a, 0), floatArg(a, 1));
        return std::nullopt;
      }));
  add("ActivateExperience", [](Args) -> R { return std::nullopt; });
  // The offset is kept per renderer; both scenes draw the same flag, so both get it.
  add("SetFlagOffset", [game, demo](Args a) -> R {
    for (game::GameScene* s : {demo(), game()}) {
      if (s != nullptr && s->initialised()) s->SetFlagOffset(intArg(a, 0), intArg(a, 1));
    }
    return std::nullopt;
  });
  return true;
}

}  // namespace natives
