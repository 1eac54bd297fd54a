// How a scene's camera moves: the start-of-game view, zoom changes about the bottom centre of
// the view, the limits that keep the ground near the bottom edge and the view within the play
// field, edge scrolling while the stylus is held, panning with the keys and the smooth zoom
// toward the target zoom. All arithmetic is single precision, as the renderer uses it.
#pragma once

#include "game/world/world.h"

namespace game {

/// The scene's size in pixels (W, H).
struct SceneSize {
  int width = 240;
  int height = 320;
};

enum class ZoomKind {
  Plus,    // MagPlus: at most 1.0
  Minus,   // MagMinus: at least 0.4
  Smooth,  // the animation toward targetZoom: 0.3 .. 1.0
};

/// The view at the start of a game: world x 0 in the middle, world y 10 at the bottom edge,
/// every zoom 1.
void ResetCamera(Camera& camera, SceneSize size);

/// Changes the zoom by step (added for Plus and Smooth, subtracted for Minus) keeping the world
/// point at the middle of the bottom edge in place, then applies the limits. Plus and Minus
/// also make the new zoom the target and the saved zoom.
void ZoomAboutBottomCentre(Camera& camera, SceneSize size, float step, ZoomKind kind);

/// cameraX within the play field (W x 1000 / 480 to either side of x 0) and the ground no more
/// than 10 / zoom below the bottom edge.
void LimitCamera(Camera& camera, SceneSize size);

/// Edge scrolling for a stylus held at (px, py): a point more than a quarter of the view from
/// the centre moves the camera by 2 % of its distance from the centre, per frame.
void EdgeScroll(Camera& camera, SceneSize size, int px, int py);

/// Panning with a direction key (dx, dy each -1, 0 or 1) for the key pointer at (px, py).
void KeyPan(Camera& camera, SceneSize size, int dx, int dy, int px, int py);

/// One frame of the smooth zoom: 0.05 toward targetZoom (compared in hundredths). True when
/// the zoom changed, so sprites must be scaled anew.
bool SmoothZoomStep(Camera& camera, SceneSize size);

}  // namespace game
