#include "assetgen/sound/xm_writer.h"

#include <algorithm>
#include <cassert>
#include "lib/byte_writer.h"

namespace assetgen {
namespace {

void text(std::vector<std::byte>& out, const std::string& s, std::size_t width) {
  for (std::size_t i = 0; i < width; ++i)
    out.push_back(static_cast<std::byte>(i < s.size() ? s[i] : 0));
}

// A cell packed: a flag byte (0x80 | which fields follow) then the fields present; an empty
// cell is the flag byte alone.
void packCell(std::vector<std::byte>& out, const XmCell& c) {
  std::uint8_t flags = 0x80;
  if (c.note) flags |= 1;
  if (c.instrument) flags |= 2;
  if (c.volume) flags |= 4;
  if (c.effect) flags |= 8;
  if (c.parameter) flags |= 16;
  out.push_back(static_cast<std::byte>(flags));
  if (c.note) out.push_back(static_cast<std::byte>(c.note));
  if (c.instrument) out.push_back(static_cast<std::byte>(c.instrument));
  if (c.volume) out.push_back(static_cast<std::byte>(c.volume));
  if (c.effect) out.push_back(static_cast<std::byte>(c.effect));
  if (c.parameter) out.push_back(static_cast<std::byte>(c.parameter));
}

void writeInstrument(std::vector<std::byte>& out, const XmInstrument& in) {
  const std::size_t start = out.size();
  tools::AppendLe(out, 263, 4);  // instrument header size, this field included
  text(out, in.name, 22);
  out.push_back(std::byte{0});  // type
  tools::AppendLe(out, 1, 2);   // one sample
  tools::AppendLe(out, 40, 4);  // sample header size
  for (int i = 0; i < 96; ++i)
    out.push_back(std::byte{0});  // every note plays sample 0
  for (int i = 0; i < 12; ++i) {  // volume envelope points
    const auto p = i < static_cast<int>(in.envelope.size())
                       ? in.envelope[static_cast<std::size_t>(i)]
                       : std::pair<int, int>{0, 0};
    tools::AppendLe(out, static_cast<std::uint32_t>(p.first), 2);
    tools::AppendLe(out, static_cast<std::uint32_t>(p.second), 2);
  }
  for (int i = 0; i < 24; ++i)
    tools::AppendLe(out, 0, 2);  // panning envelope
  out.push_back(static_cast<std::byte>(in.envelope.size()));
  out.push_back(std::byte{0});  // panning points
  out.push_back(static_cast<std::byte>(std::max(in.sustainPoint, 0)));
  out.push_back(std::byte{0});  // volume loop start
  out.push_back(std::byte{0});  // volume loop end
  out.push_back(std::byte{0});  // panning sustain, loop start, loop end
  out.push_back(std::byte{0});
  out.push_back(std::byte{0});
  std::uint8_t volumeType = in.envelope.empty() ? 0 : 1;
  if (!in.envelope.empty() && in.sustainPoint >= 0) volumeType |= 2;
  out.push_back(static_cast<std::byte>(volumeType));
  out.push_back(std::byte{0});  // panning type
  for (int i = 0; i < 4; ++i)
    out.push_back(std::byte{0});  // vibrato
  tools::AppendLe(out, static_cast<std::uint32_t>(in.fadeout), 2);
  while (out.size() - start < 263)
    out.push_back(std::byte{0});  // reserved

  // The sample header, then its data as differences from the previous sample.
  tools::AppendLe(out, static_cast<std::uint32_t>(in.sample.size()), 4);
  tools::AppendLe(out, static_cast<std::uint32_t>(in.loopStart), 4);
  tools::AppendLe(out, static_cast<std::uint32_t>(in.loopLength), 4);
  out.push_back(static_cast<std::byte>(in.volume));
  out.push_back(std::byte{0});                                       // finetune
  out.push_back(static_cast<std::byte>(in.loopLength > 0 ? 1 : 0));  // forward loop, 8-bit
  out.push_back(static_cast<std::byte>(in.panning));
  out.push_back(static_cast<std::byte>(static_cast<std::int8_t>(in.relativeNote)));
  out.push_back(std::byte{0});
  text(out, in.name, 22);
  std::int8_t previous = 0;
  for (std::int8_t s : in.sample) {
    out.push_back(static_cast<std::byte>(static_cast<std::int8_t>(s - previous)));
    previous = s;
  }
}

}  // namespace

std::vector<std::byte> EncodeXm(const XmModule& m) {
  // Past these limits a player would read a different song than the one meant.
  assert(!m.order.empty() && m.order.size() <= 256);
  assert(m.channels >= 1 && m.channels <= 32);
  assert(m.patterns.size() <= 256 && m.instruments.size() <= 128);
  for ([[maybe_unused]] int index : m.order)
    assert(index >= 0 && static_cast<std::size_t>(index) < m.patterns.size());
  for ([[maybe_unused]] const XmPattern& p : m.patterns)
    assert(p.rows >= 1 && p.rows <= 256 &&
           p.cells.size() == static_cast<std::size_t>(p.rows * m.channels));
  std::vector<std::byte> out;
  text(out, "Extended Module: ", 17);
  text(out, m.name, 20);
  out.push_back(std::byte{0x1A});
  text(out, "Quorvex assetgen", 20);
  tools::AppendLe(out, 0x0104, 2);
  tools::AppendLe(out, 276,
                  4);  // header size from this field: 20 bytes of fields and the order table
  tools::AppendLe(out, static_cast<std::uint32_t>(m.order.size()), 2);
  tools::AppendLe(out, static_cast<std::uint32_t>(m.restartPosition), 2);
  tools::AppendLe(out, static_cast<std::uint32_t>(m.channels), 2);
  tools::AppendLe(out, static_cast<std::uint32_t>(m.patterns.size()), 2);
  tools::AppendLe(out, static_cast<std::uint32_t>(m.instruments.size()), 2);
  tools::AppendLe(out, 1, 2);  // linear frequency table
  tools::AppendLe(out, static_cast<std::uint32_t>(m.tempo), 2);
  tools::AppendLe(out, static_cast<std::uint32_t>(m.bpm), 2);
  for (int i = 0; i < 256; ++i)
    out.push_back(static_cast<std::byte>(
        i < static_cast<int>(m.order.size()) ? m.order[static_cast<std::size_t>(i)] : 0));
  for (const XmPattern& p : m.patterns) {
    tools::AppendLe(out, 9, 4);   // pattern header size
    out.push_back(std::byte{0});  // packing type
    tools::AppendLe(out, static_cast<std::uint32_t>(p.rows), 2);
    const std::size_t sizeAt = out.size();
    tools::AppendLe(out, 0, 2);
    const std::size_t dataStart = out.size();
    for (const XmCell& c : p.cells)
      packCell(out, c);
    tools::WriteLeAt(out, sizeAt, static_cast<std::uint32_t>(out.size() - dataStart), 2);
  }
  for (const XmInstrument& in : m.instruments)
    writeInstrument(out, in);
  return out;
}

}  // namespace assetgen
