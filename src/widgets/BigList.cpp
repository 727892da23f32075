// BigList: a list of untyped item pointers kept in up to four segments.
#include "widgets/BigList.h"

#include "shared/AppError.h"

#include <algorithm>
#include <new>

BigList::BigList(int segmentLimit) : m_segmentLimit(std::max(1, segmentLimit)) {}

bool BigList::appendTo(int segment, void *item)
{
    std::vector<void *> &list = m_segments[segment];
    if (int(list.size()) >= m_segmentLimit)
        return false;
    try {
        list.push_back(item);
    } catch (const std::bad_alloc &) {
        return false;
    }
    return true;
}

int BigList::Add(void *Item)
{
    if (!appendTo(m_lastSegment, Item)) {
        const int held = Count();
        if (m_lastSegment + 1 >= MaxSegments || !appendTo(m_lastSegment + 1, Item))
            throw AppError(QStringLiteral("Out of Memory at line %1").arg(held));
        ++m_lastSegment;
    }
    return m_count++;
}

void BigList::checkIndex(int index) const
{
    if (index < 0)
        throw AppError(QStringLiteral("List index out of bounds (%1)").arg(index));
    if (index >= Count())
        throw AppError(QStringLiteral("BigList Index out of bounds"));
}

std::pair<int, int> BigList::locate(int index) const
{
    int segment = 0;
    while (segment < m_lastSegment && index >= int(m_segments[segment].size())) {
        index -= int(m_segments[segment].size());
        ++segment;
    }
    return {segment, index};
}

void *BigList::Get(int Index) const
{
    checkIndex(Index);
    const auto [segment, position] = locate(Index);
    return m_segments[segment][position];
}

void BigList::Delete(int Index)
{
    checkIndex(Index);
    const auto [segment, position] = locate(Index);
    std::vector<void *> &list = m_segments[segment];
    list.erase(list.begin() + position);
    --m_count;
}

void BigList::DeleteFirst(int count)
{
    count = std::clamp(count, 0, m_count);
    m_count -= count;
    for (int segment = 0; segment <= m_lastSegment && count > 0; ++segment) {
        std::vector<void *> &list = m_segments[segment];
        const int taken = std::min(count, int(list.size()));
        list.erase(list.begin(), list.begin() + taken);
        count -= taken;
    }
}

void BigList::removeNulls(int segment)
{
    std::vector<void *> &list = m_segments[segment];
    const auto kept = std::remove(list.begin(), list.end(), nullptr);
    m_count -= int(list.end() - kept);
    list.erase(kept, list.end());
}

void BigList::release(int segment)
{
    std::vector<void *>().swap(m_segments[segment]);
}

void BigList::Pack()
{
    removeNulls(0);
    for (int later = 1; later <= m_lastSegment; ++later) {
        std::vector<void *> &front = m_segments[later - 1];
        std::vector<void *> &back = m_segments[later];
        // Moved as one block: the same items end up where moving them one by one would put them.
        const auto room = std::max<std::ptrdiff_t>(0, m_segmentLimit - std::ptrdiff_t(front.size()));
        const auto moving = std::min<std::ptrdiff_t>(room, std::ptrdiff_t(back.size()));
        try {
            front.insert(front.end(), back.begin(), back.begin() + moving);
        } catch (const std::bad_alloc &) {
            continue;
        }
        back.erase(back.begin(), back.begin() + moving);
    }
    removeNulls(m_lastSegment);
    while (m_lastSegment > 0 && m_segments[m_lastSegment].empty()) {
        release(m_lastSegment);
        --m_lastSegment;
    }
}

void BigList::Clear()
{
    for (int segment = 1; segment < MaxSegments; ++segment)
        release(segment);
    m_lastSegment = 0;
    release(0);
    m_count = 0;
}

int BigList::Capacity() const
{
    std::size_t capacity = 0;
    for (int segment = 0; segment <= m_lastSegment; ++segment)
        capacity += m_segments[segment].capacity();
    return int(capacity);
}
