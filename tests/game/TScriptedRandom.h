#pragma once
// A random source that answers from a script first and from a seeded generator after it.
// Scripted answers outside the asked range fail the test rather than being bent into it.

#include <deque>
#include <initializer_list>

#include <gtest/gtest.h>

#include "game/TSeededRandom.h"

class TScriptedRandom : public TRandomSource {
public:
    void Script(std::initializer_list<int> values) { Queue.insert(Queue.end(), values); }
    bool Exhausted() const { return Queue.empty(); }
    void Seed(std::uint32_t) override {}
    int RandomInt(int a, int b) override {
        if (Queue.empty()) return Fallback.RandomInt(a, b);
        const int v = Queue.front();
        Queue.pop_front();
        EXPECT_TRUE(v >= a && v <= b) << v << " scripted for a draw in " << a << ".." << b;
        return v;
    }

private:
    std::deque<int> Queue;
    TSeededRandom Fallback{7};
};
