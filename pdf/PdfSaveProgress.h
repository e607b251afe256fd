#pragma once

// What the creation job's progress window receives while the builder saves: one call per PDF
// object written, in file order, right after the object's "endobj".

class CPdfSaveProgress {
public:
    virtual ~CPdfSaveProgress() = default;
    // entryCount: entries of the cross-reference section being written (objects + 1);
    // objectIndex: the number of the object just written.
    virtual void OnObjectWritten(unsigned entryCount, unsigned objectIndex) = 0;
};
