// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <initializer_list>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace larkspan {

// A list of texts kept end to end in one string, each read as a string_view. The bullet items and the links run to
// tens of thousands of short texts; held this way a list is two allocations instead of one for each text, and
// reading or copying a page does not go to the allocator for every entry.
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

    std::size_t size() const { return ends.size(); }
    bool empty() const { return ends.empty(); }
    // The bytes of all texts together.
    std::size_t textBytes() const { return chars.size(); }

    const_iterator begin() const { return {chars.data(), ends.data(), ends.data()}; }
    const_iterator end() const { return {chars.data(), ends.data(), ends.data() + ends.size()}; }

    void reserve(std::size_t count, std::size_t bytes = 0)
    {
        ends.reserve(count);
        chars.reserve(bytes);
    }
    void clear()
    {
        ends.clear();
        chars.clear();
    }
    void push_back(std::string_view text)
    {
        chars.append(text);
        ends.push_back(chars.size());
    }
    // Adds one text that fill writes at the end of the string it is given; when fill returns false, nothing is
    // added and so does this.
    template <class Fill>
    bool pushWith(Fill fill)
    {
        const std::size_t start = chars.size();
        if (!fill(chars)) {
            chars.resize(start);
            return false;
        }
        ends.push_back(chars.size());
        return true;
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

    friend bool operator==(const TextList&, const TextList&) = default;

private:
    std::string chars;
    std::vector<std::size_t> ends; // where each text ends in chars
};

} // namespace larkspan
