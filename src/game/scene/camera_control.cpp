#include "game/scene/camera_control.h"

#include <cmath>
#include <cstdlib>

#include "game/world/world_math.h"

namespace game {
namespace {

// Half the play field's width: W x 1000 / 480 in integers.
int fieldHalfWidth(SceneSize size) {
  return size.width * 1000 / 480;
}

// Rounded to the nearest integer, halves up.
int hundredths(float zoom) {
  return static_cast<int>(std::floor(zoom * 100.0f + 0.5f));
}

}  // namespace

void ResetCamera(Camera& camera, SceneSize size) {
  camera.cameraX = static_cast<float>(-(size.width / 2));
  camera.cameraY = static_cast<float>(10 - size.height);
  camera.zoom = camera.targetZoom = camera.savedZoom = 1.0f;
}

void LimitCamera(Camera& camera, SceneSize size) {
  const float half = static_cast<float>(fieldHalfWidth(size));
  const float maxX = half - static_cast<float>(size.width) / camera.zoom;
  if (camera.cameraX > maxX) camera.cameraX = maxX;
  if (camera.cameraX < -half) camera.cameraX = -half;
  if (-camera.cameraY < static_cast<float>(size.height - 10) / camera.zoom) {
    camera.cameraY = static_cast<float>(10 - size.height) / camera.zoom;
  }
}

void ZoomAboutBottomCentre(Camera& camera, SceneSize size, float step, ZoomKind kind) {
  const float z = camera.zoom;
  const float halfW = static_cast<float>(size.width / 2);
  const float h = static_cast<float>(size.height);
  const float anchorX = camera.cameraX + halfW / z;
  const float anchorY = camera.cameraY + h / z;
  float vx = camera.cameraX - anchorX;
  float vy = camera.cameraY - anchorY;
  normalise(vx, vy);

  float zoom = kind == ZoomKind::Minus ? z - step : z + step;
  switch (kind) {
    case ZoomKind::Plus:
      if (zoom > 1.0f) zoom = 1.0f;
      break;
    case ZoomKind::Minus:
      if (zoom < 0.4f) zoom = 0.4f;
      break;
    case ZoomKind::Smooth:
      if (zoom > 1.0f) zoom = 1.0f;
      if (zoom < 0.3f) zoom = 0.3f;
      break;
  }
  camera.zoom = zoom;
  const float dx = halfW / zoom, dy = h / zoom;
  const float reach = std::sqrt(dx * dx + dy * dy);
  camera.cameraX = anchorX + vx * reach;
  camera.cameraY = anchorY + vy * reach;
  LimitCamera(camera, size);
  if (kind != ZoomKind::Smooth) camera.targetZoom = camera.savedZoom = zoom;
}

void EdgeScroll(Camera& camera, SceneSize size, int px, int py) {
  const int cx = size.width / 2, cy = size.height / 2;
  const float dx = static_cast<float>(std::abs(px - cx)) * 0.02f;
  const float dy = static_cast<float>(std::abs(py - cy)) * 0.02f;
  if (px - cx > size.width / 4) camera.cameraX += dx / camera.zoom;
  if (cx - px > size.width / 4) camera.cameraX -= dx / camera.zoom;
  if (py - cy > size.height / 4) camera.cameraY += dy / camera.zoom;
  if (cy - py > size.height / 4) camera.cameraY -= dy / camera.zoom;
  LimitCamera(camera, size);
}

void KeyPan(Camera& camera, SceneSize size, int dx, int dy, int px, int py) {
  const int cx = size.width / 2, cy = size.height / 2;
  if (dx > 0 && px - cx > size.width / 4)
    camera.cameraX += 0.02f * static_cast<float>(px - cx) / camera.zoom;
  if (dx < 0 && cx - px > size.width / 4)
    camera.cameraX -= 0.02f * static_cast<float>(cx - px) / camera.zoom;
  if (dy > 0 && py - cy > size.height / 4)
    camera.cameraY += 0.02f * static_cast<float>(py - cy) / camera.zoom;
  if (dy < 0 && cy - py > size.height / 4)
    camera.cameraY -= 0.02f * static_cast<float>(cy - py) / camera.zoom;
  LimitCamera(camera, size);
}

bool SmoothZoomStep(Camera& camera, SceneSize size) {
  const int now = hundredths(camera.zoom);
  const int target = hundredths(camera.targetZoom);
  if (now == target) return false;
  ZoomAboutBottomCentre(camera, size, now < target ? 0.05f : -0.05f, ZoomKind::Smooth);
  return true;
}

}  // namespace game
