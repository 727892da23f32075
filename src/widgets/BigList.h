// BigList: a list of untyped item pointers kept in up to four segments.
#pragma once

#include <array>
#include <vector>

class BigList {
public:
    static constexpr int MaxSegments = 4;
    // Items one segment takes before the next one is opened.
    static constexpr int DefaultSegmentLimit = 1 << 20;

    explicit BigList(int segmentLimit = DefaultSegmentLimit);

    // Appends the item and returns its index; throws AppError when no segment can take it.
    int Add(void *Item);
    // Removes the item; later items move down by one. Throws AppError for a bad index.
    void Delete(int Index);
    // Removes the first `count` items (all of them when there are fewer) in one pass: later
    // items move down by `count`, each moved once.
    void DeleteFirst(int count);
    void *Get(int Index) const;
    // Moves items toward the front segments and releases the empty ones.
    void Pack();
    // Removes every item and every segment but the first.
    void Clear();

    int Count() const { return m_count; }
    int Capacity() const;
    int SegmentCount() const { return m_lastSegment + 1; }
    int SegmentItems(int segment) const { return int(m_segments.at(segment).size()); }

private:
    // Appends to one segment; false when the segment is full or cannot grow.
    bool appendTo(int segment, void *item);
    // Segment and position within it of a global index already checked against Count.
    std::pair<int, int> locate(int index) const;
    void checkIndex(int index) const;
    void removeNulls(int segment);
    void release(int segment);

    std::array<std::vector<void *>, MaxSegments> m_segments;
    int m_lastSegment = 0;
    int m_segmentLimit;
    // Items over all segments in use, kept up to date by every change.
    int m_count = 0;
};
