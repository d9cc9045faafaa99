#pragma once
// Game objects moved, drawn and killed together; an object may leave the list while the list
// is being walked.

#include <memory>

#include "presentation/TGameObject.h"
#include "presentation/TObjectList.h"

class TGameObjectList : public TObjectList<TGameObject> {
public:
    TGameObjectList() = default;
    TGameObjectList(const TGameObjectList&) = delete;
    TGameObjectList& operator=(const TGameObjectList&) = delete;
    ~TGameObjectList();

    std::shared_ptr<TGameObject> AddNew(float x, float y, std::shared_ptr<TGameImage> image);
    void Draw();
    void Move();
    void Kill();
    // Writes every object's frame 0 into collision layer 1, under the object itself.
};
