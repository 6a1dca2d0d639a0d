#pragma once

#include "mail/MessageSource.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace desklet {

// A message put together from pieces, read in their order: text composed up front
// (the header, boundaries, part headers, a text part) and sources that make their
// bytes while they are read (a document in base64).
class ComposedMessage final : public MessageSource {
public:
    // A copy of the text; text added in a row is kept as one piece.
    void AddText(std::string_view text);
    // Text that stays where it is: it must outlive the reading and stay unchanged.
    void AddView(std::string_view text);
    void AddSource(std::unique_ptr<MessageSource> source);

    // Whether the message so far ends with CR LF.
    bool EndsWithLineBreak() const;

    bool Read(char* buffer, std::size_t capacity, std::size_t* got) override;
    void Survey(const Visitor& visit) const override;

private:
    struct Piece {
        std::string owned;
        std::string_view view;
        bool isOwned = false;
        std::unique_ptr<MessageSource> source;
        std::string_view Text() const { return isOwned ? std::string_view(owned) : view; }
    };

    std::vector<Piece> m_pieces;
    // The reading position: the piece, and the offset in a text piece.
    std::size_t m_piece = 0;
    std::size_t m_offset = 0;
};

} // namespace desklet
