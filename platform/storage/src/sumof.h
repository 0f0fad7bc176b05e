#pragma once

namespace storage {

// The sum of count(record) over a container of record handles.
template <typename Container, typename Count>
int sumOf(const Container& handles, Count count)
{
    int total = 0;
    for (const auto& handle : handles)
        total += count(*handle);
    return total;
}

} // namespace storage
