#pragma once
// What the main window may call on a data window: recompute it from the databases, and apply
// the colour scheme. The refresh calls Main directly through this interface.
class FinestraDati {
public:
    virtual ~FinestraDati() = default;
    virtual void Main() = 0;
    virtual void Colore() = 0;
};
