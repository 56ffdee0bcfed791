// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string_view>
#include <utility>

namespace larkspan {

// The bytes of a finished document, written once where they stay. A std::string would first fill its room with
// zeros, only for the writer to overwrite them: for the largest page that cost an eighth of the writing.
class PageDocument {
public:
    PageDocument() = default;
    explicit PageDocument(std::string_view text)
    {
        write(text.size(), [&](char* out) { return std::optional(text.copy(out, text.size())); });
    }
    PageDocument(PageDocument&& other) noexcept : bytes(std::move(other.bytes)), length(std::exchange(other.length, 0))
    {}
    PageDocument& operator=(PageDocument&& other) noexcept
    {
        if (this != &other) {
            bytes = std::move(other.bytes);
            length = std::exchange(other.length, 0);
        }
        return *this;
    }

    std::string_view text() const { return {bytes.get(), length}; }
    std::size_t size() const { return length; }
    bool empty() const { return length == 0; }

    // Replaces the document with what fill writes into room for capacity bytes, which hold no set value until it
    // writes them. Fill returns how many it wrote, or nothing when they would not fit; then the document is left
    // empty and this returns false.
    template <class Fill>
    bool write(std::size_t capacity, Fill fill)
    {
        bytes = std::make_unique_for_overwrite<char[]>(capacity);
        const std::optional<std::size_t> written = fill(bytes.get());
        length = written.value_or(0);
        if (!written)
            bytes.reset();
        return written.has_value();
    }

private:
    std::unique_ptr<char[]> bytes;
    std::size_t length = 0;
};

} // namespace larkspan
