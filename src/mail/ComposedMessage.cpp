#include "mail/ComposedMessage.h"

#include <algorithm>
#include <cstring>

namespace desklet {

void ComposedMessage::AddText(std::string_view text) {
    if (text.empty()) {
        return;
    }
    if (m_pieces.empty() || !m_pieces.back().isOwned) {
        m_pieces.emplace_back();
        m_pieces.back().isOwned = true;
    }
    m_pieces.back().owned.append(text);
}

void ComposedMessage::AddView(std::string_view text) {
    if (!text.empty()) {
        m_pieces.emplace_back();
        m_pieces.back().view = text;
    }
}

void ComposedMessage::AddSource(std::unique_ptr<MessageSource> source) {
    if (source) {
        m_pieces.emplace_back();
        m_pieces.back().source = std::move(source);
    }
}

bool ComposedMessage::EndsWithLineBreak() const {
    std::string tail;
    Survey([&tail](const Stretch& stretch) {
        if (stretch.lineBytes > 0) {
            tail = "\r\n";
        }
        tail.append(stretch.text.substr(stretch.text.size() - std::min<std::size_t>(stretch.text.size(), 2)));
        tail.erase(0, tail.size() - std::min<std::size_t>(tail.size(), 2));
    });
    return tail == "\r\n";
}

bool ComposedMessage::Read(char* buffer, std::size_t capacity, std::size_t* got) {
    *got = 0;
    if (GetFailure() != Failure::None) {
        return false;
    }
    while (*got < capacity && m_piece < m_pieces.size()) {
        Piece& piece = m_pieces[m_piece];
        if (piece.source) {
            std::size_t part = 0;
            if (!piece.source->Read(buffer + *got, capacity - *got, &part)) {
                return Fail(piece.source->GetFailure(), piece.source->GetError());
            }
            if (part == 0) {
                ++m_piece;
            }
            *got += part;
            continue;
        }
        const std::string_view text = piece.Text();
        const std::size_t part = std::min(text.size() - m_offset, capacity - *got);
        std::memcpy(buffer + *got, text.data() + m_offset, part);
        *got += part;
        m_offset += part;
        if (m_offset == text.size()) {
            ++m_piece;
            m_offset = 0;
        }
    }
    return true;
}

void ComposedMessage::Survey(const Visitor& visit) const {
    for (const Piece& piece : m_pieces) {
        if (piece.source) {
            piece.source->Survey(visit);
        } else {
            visit({piece.Text(), 0});
        }
    }
}

} // namespace desklet
