#pragma once

#include <vector>

// Which source pixel each destination pixel of a stretched copy takes, along
// one axis. Every destination pixel samples the source at its own centre, so
// a copy to the same size is exact, an enlargement repeats pixels evenly and a
// negative extent (on either side) mirrors. Destination pixels outside the
// surface or mapping outside the source are left out; what remains is one run.
class StretchMap
{
public:
    static StretchMap make(long long destStart, long long destExtent, long long sourceStart,
        long long sourceExtent, int destLimitLow, int destLimitHigh, int sourceSize);

    bool isEmpty() const { return m_sources.empty(); }
    // The first destination pixel and the number of destination pixels.
    int first() const { return m_first; }
    int count() const { return int(m_sources.size()); }
    int source(int index) const { return m_sources[size_t(index)]; }
    const int *sources() const { return m_sources.data(); }
    // One source pixel per destination pixel, in order: a plain row copy.
    bool isIdentity() const { return m_identity; }

private:
    int m_first = 0;
    std::vector<int> m_sources;
    bool m_identity = false;
};
