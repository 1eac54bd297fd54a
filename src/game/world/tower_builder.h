// A regular tower for tests and benchmarks: rows of five blobs standing on the ground, each blob
// joined to its left neighbour and to the blobs of the row below that lie within reach.
#pragma once

namespace game {

class World;

/// Appends blobCount blobs (and their links) to world. Row 0 rests on the world's current earth,
/// so the tower is grounded from the first frame; rows rise by 21 / 240 of the width. Blob
/// colours cycle through 0..4; nothing is magic. Does not touch the construction state.
void BuildTestTower(World& world, int blobCount);

}  // namespace game
