#pragma once

namespace pelorin::fonts {

// How an import reports its progress: a range of steps, then one step per
// library character handled.
class ImportProgress {
public:
    virtual ~ImportProgress() = default;
    virtual void setRange(int steps) = 0;
    virtual void step() = 0;
    // Polled between steps; once true, the import stops and puts every file
    // and link back as it was before it started.
    virtual bool cancelRequested() const { return false; }
};

class NoProgress final : public ImportProgress {
public:
    void setRange(int) override {}
    void step() override {}
};

}  // namespace pelorin::fonts
