#pragma once
// Explosions managed and drawn together; each leaves the list when its frames are done.

#include <memory>

#include "presentation/TExplosion.h"
#include "presentation/TObjectList.h"

class TExplosionList : public TObjectList<TExplosion> {
public:
    TExplosionList() = default;
    TExplosionList(const TExplosionList&) = delete;
    TExplosionList& operator=(const TExplosionList&) = delete;
    ~TExplosionList();

    std::shared_ptr<TExplosion> AddNew(float x, float y, std::shared_ptr<TGameImage> image);
    void Manage();
    void Draw();
};
