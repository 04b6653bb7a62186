#pragma once

#include <cstdint>
#include "deck/read_problem.h"

#include "deck/byte_reader.h"

namespace tabula {

// An OLE 1.0 object, as the later Cardfile stores one on a card. Tabula keeps no objects, but
// the card's text follows the object and the object never states its own size: the only way
// past it is to read each of its length fields in turn.
//
// The object: a 32-bit version (ignored), a 32-bit format id, then by format
//   1 linked:   class name, topic, item, network name, two 32-bit values, a picture
//   2 embedded: class name, topic, item, native data, a picture
//   3 static:   class name, width, height, picture data
// and a picture (the presentation object): version, format id, then for format 0 nothing more;
// for format 5 a class name and, when that is METAFILEPICT, BITMAP or DIB, width, height and
// the data, otherwise a clipboard format (followed by its name when it is 0) and the data.
// Names and data are counted: a 32-bit length and that many bytes.
inline constexpr std::uint32_t kOleLinked = 1;
inline constexpr std::uint32_t kOleEmbedded = 2;
inline constexpr std::uint32_t kOleStatic = 3;

struct OleObjectWalk {
    std::uint32_t format = 0;  // the object's format id, as far as it was read
    ReadProblem problem;       // what stopped the walk; empty if none

    bool Ok() const { return problem.empty(); }
};

// Moves the reader past one object. Nothing outside the reader's bytes is read; after a
// problem the reader's position means nothing.
OleObjectWalk SkipOleObject(ByteReader& reader);

}  // namespace tabula
