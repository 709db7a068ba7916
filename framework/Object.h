#pragma once
// The root of the class library: what an event's Sender is.

class TObject {
public:
    virtual ~TObject() = default;

protected:
    TObject() = default;
    TObject(const TObject&) = default;
    TObject& operator=(const TObject&) = default;
};
