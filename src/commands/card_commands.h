#pragma once

namespace tabula {

struct CommandContext;

// Card > Add (F7): asks for an index, creates the card and brings it to the front.
void AddCard(CommandContext& context);

// Edit > Index: re-indexes the front card. From the menu it always marks the deck changed,
// also when cancelled; a click on the front card's index strip marks it only when an index
// was actually set.
enum class IndexOrigin { kMenu, kStrip };
void EditIndex(CommandContext& context, IndexOrigin origin);

// Edit > Go To (F5): brings the first card behind the front one that begins like the text and
// holds it, case ignored.
void GoToCard(CommandContext& context);

// Card > Delete: deletes the front card after asking.
void DeleteCard(CommandContext& context);

}  // namespace tabula
