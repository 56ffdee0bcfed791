// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "page/bytecopy.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <initializer_list>
#include <iterator>
#include <memory>
#include <string_view>
#include <utility>
#include <vector>

namespace larkspan {

// A list of texts kept end to end in one block, each read as a string_view. The bullet items and the links run to
// tens of thousands of short texts; held this way a list is two allocations instead of one for each text, and
// reading or copying a page does not go to the allocator for every entry. A text added must not lie within the
// list itself, whose bytes may move as it grows.
class TextList {
public:
    // Walks the texts by their ends alone: a text starts where the one before it ended.
    class const_iterator {
    public:
        using iterator_concept = std::forward_iterator_tag;
        using iterator_category = std::input_iterator_tag;
        using value_type = std::string_view;
        using difference_type = std::ptrdiff_t;
        using reference = std::string_view;

        const_iterator() = default;
        std::string_view operator*() const
        {
            const std::size_t start = end == first ? 0 : end[-1];
            return std::string_view(chars + start, *end - start);
        }
        const_iterator& operator++() { return ++end, *this; }
        const_iterator operator++(int) { return {chars, first, end++}; }
        friend bool operator==(const_iterator a, const_iterator b) { return a.end == b.end; }

    private:
        friend class TextList;
        const_iterator(const char* chars, const std::size_t* first, const std::size_t* end)
            : chars(chars), first(first), end(end)
        {}
        const char* chars = nullptr;
        const std::size_t* first = nullptr;
        const std::size_t* end = nullptr;
    };
    using value_type = std::string_view;
    using iterator = const_iterator;

    TextList() = default;
    TextList(std::initializer_list<std::string_view> texts)
    {
        for (const std::string_view text : texts)
            push_back(text);
    }
    TextList(const TextList& other) : ends(other.ends) { append(other.allText()); }
    TextList(TextList&& other) noexcept
        : chars(std::move(other.chars)), used(std::exchange(other.used, 0)), room(std::exchange(other.room, 0)),
          ends(std::move(other.ends))
    {}
    TextList& operator=(const TextList& other)
    {
        if (this != &other) {
            clear();
            append(other.allText());
            ends = other.ends;
        }
        return *this;
    }
    TextList& operator=(TextList&& other) noexcept
    {
        if (this == &other)
            return *this;
        chars = std::move(other.chars);
        used = std::exchange(other.used, 0);
        room = std::exchange(other.room, 0);
        ends = std::move(other.ends);
        return *this;
    }

    std::size_t size() const { return ends.size(); }
    bool empty() const { return ends.empty(); }
    // The bytes of all texts together.
    std::size_t textBytes() const { return used; }

    const_iterator begin() const { return {chars.get(), ends.data(), ends.data()}; }
    const_iterator end() const { return {chars.get(), ends.data(), ends.data() + ends.size()}; }

    void reserve(std::size_t count, std::size_t bytes = 0)
    {
        ends.reserve(count);
        if (bytes > room)
            regrow(bytes);
    }
    void clear()
    {
        ends.clear();
        used = 0;
    }
    void push_back(std::string_view text)
    {
        append(text);
        ends.push_back(used);
    }
    // Adds first, the byte between and second as one text.
    [[gnu::always_inline]] void pushJoined(std::string_view first, char between, std::string_view second)
    {
        char* out = bytecopy::copyShort(extend(first.size() + 1 + second.size()), first);
        *out = between;
        bytecopy::copyShort(out + 1, second);
        ends.push_back(used);
    }
    void assign(std::size_t count, std::string_view text)
    {
        clear();
        reserve(count, count * text.size());
        for (std::size_t i = 0; i < count; ++i)
            push_back(text);
    }
    template <class Iterator>
    void assign(Iterator first, Iterator last)
    {
        clear();
        for (; first != last; ++first)
            push_back(*first);
    }

    friend bool operator==(const TextList& a, const TextList& b)
    {
        return a.ends == b.ends && a.allText() == b.allText();
    }

private:
    std::string_view allText() const { return {chars.get(), used}; }

    void append(std::string_view text) { bytecopy::copyShort(extend(text.size()), text); }

    // Room for n more bytes at the end, left as they are for the caller to write.
    char* extend(std::size_t n)
    {
        if (room - used < n)
            regrow(std::max(2 * room, used + n));
        char* out = chars.get() + used;
        used += n;
        return out;
    }

    void regrow(std::size_t bytes)
    {
        auto bigger = std::make_unique_for_overwrite<char[]>(bytes);
        if (used > 0)
            std::memcpy(bigger.get(), chars.get(), used);
        chars = std::move(bigger);
        room = bytes;
    }

    // The texts end to end. Held as bare bytes rather than a std::string, so that growing them does not first fill
    // the new room with zeros, and short texts are copied inline.
    std::unique_ptr<char[]> chars;
    std::size_t used = 0;
    std::size_t room = 0;
    std::vector<std::size_t> ends; // where each text ends in chars
};

} // namespace larkspan
