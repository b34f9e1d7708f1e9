#pragma once
#include <cstddef>
#include <utility>
#include <vector>

// Bottom-up merge sort. Every index it touches is bounded by the run limits, never by
// the comparator's answers, so it ends in n log n steps and stays inside the vector even
// for a comparator that is not a strict weak ordering (std::sort may then run off the
// end). For a consistent comparator the result is sorted and stable.
// vorher(x, y) answers whether x must come before y.
template <class T, class Vorher>
void Mischsortieren(std::vector<T>& folge, Vorher vorher) {
    const size_t n = folge.size();
    if (n < 2) return;
    std::vector<T> puffer(n);
    for (size_t breite = 1; breite < n; breite *= 2) {
        for (size_t links = 0; links < n; links += 2 * breite) {
            size_t mitte = links + breite < n ? links + breite : n;
            size_t rechts = mitte + breite < n ? mitte + breite : n;
            size_t i = links, j = mitte, k = links;
            while (i < mitte && j < rechts) {
                if (vorher(folge[j], folge[i])) puffer[k++] = std::move(folge[j++]);
                else puffer[k++] = std::move(folge[i++]);
            }
            while (i < mitte) puffer[k++] = std::move(folge[i++]);
            while (j < rechts) puffer[k++] = std::move(folge[j++]);
        }
        folge.swap(puffer);
    }
}
