#pragma once
// An ordered list of shared objects that may be changed while it is being walked: an object
// removed during a walk is skipped from then on and dropped when the walk ends, an object added
// during a walk joins after it, and removing an object twice (or one that is not there) is
// harmless.

#include <algorithm>
#include <cstddef>
#include <memory>
#include <vector>

template <typename T>
class TObjectList {
public:
    using Item = std::shared_ptr<T>;

    void AddLast(Item item) {
        if (walking_ > 0) {
            pendingBack_.push_back(std::move(item));
        } else {
            items_.push_back(std::move(item));
        }
    }

    void AddFirst(Item item) {
        if (walking_ > 0) {
            pendingFront_.push_back(std::move(item));
        } else {
            items_.insert(items_.begin(), std::move(item));
        }
    }

    void Remove(const T* object) {
        for (auto* list : {&items_, &pendingFront_, &pendingBack_}) {
            const auto found = std::find_if(list->begin(), list->end(), [object](const Item& item) {
                return item.get() == object;
            });
            if (found == list->end()) continue;
            if (walking_ > 0 && list == &items_) {
                found->reset();
                holes_ = true;
            } else {
                list->erase(found);
            }
            return;
        }
    }

    // Visits every object present when the walk starts and still present when its turn comes.
    template <typename F>
    void ForEach(F&& visit) {
        ++walking_;
        const size_t count = items_.size();
        for (size_t i = 0; i < count; ++i) {
            // A copy keeps the object alive while it removes itself.
            if (Item item = items_[i]) visit(*item);
        }
        if (--walking_ == 0) Settle();
    }

    size_t Count() const {
        const auto live =
            std::count_if(items_.begin(), items_.end(), [](const Item& i) { return i != nullptr; });
        return static_cast<size_t>(live) + pendingFront_.size() + pendingBack_.size();
    }

    bool Contains(const T* object) const {
        for (const auto* list : {&items_, &pendingFront_, &pendingBack_}) {
            for (const Item& item : *list) {
                if (item.get() == object) return true;
            }
        }
        return false;
    }

    // Objects in order (only meaningful outside a walk).
    const std::vector<Item>& Items() const { return items_; }

    void Clear() {
        if (walking_ > 0) {
            for (Item& item : items_) item.reset();
            holes_ = true;
            pendingFront_.clear();
            pendingBack_.clear();
        } else {
            items_.clear();
        }
    }

private:
    void Settle() {
        if (holes_) {
            items_.erase(std::remove(items_.begin(), items_.end(), nullptr), items_.end());
            holes_ = false;
        }
        if (!pendingFront_.empty()) {
            // The last added at the front ends up first, as it would have outside a walk.
            items_.insert(items_.begin(), pendingFront_.rbegin(), pendingFront_.rend());
            pendingFront_.clear();
        }
        if (!pendingBack_.empty()) {
            items_.insert(items_.end(), pendingBack_.begin(), pendingBack_.end());
            pendingBack_.clear();
        }
    }

    std::vector<Item> items_;
    std::vector<Item> pendingFront_;
    std::vector<Item> pendingBack_;
    int walking_ = 0;
    bool holes_ = false;
};
