#pragma once
// A form's event handlers by name, so that a description can bind events to
// them. A form lists its handlers in one place:
//
//   HandlerTable handlers;
//   handlers.Add("FormCreate", this, &TForm1::FormCreate)
//           .Add("ulbURLMouseDown", this, &TForm1::ulbURLMouseDown);

#include "framework/Events.h"

#include <map>
#include <string>
#include <string_view>
#include <variant>

using AnyHandler = std::variant<TNotifyEvent, TMouseEvent, TMouseMoveEvent, TKeyEvent, TKeyPressEvent>;

class HandlerTable {
public:
    template <class F>
    HandlerTable& Add(std::string name, F* form, void (F::*method)(TObject*)) {
        return Put(std::move(name), TNotifyEvent([form, method](TObject* s) { (form->*method)(s); }));
    }
    template <class F>
    HandlerTable& Add(std::string name, F* form,
                      void (F::*method)(TObject*, TMouseButton, TShiftState, int, int)) {
        return Put(std::move(name), TMouseEvent([form, method](TObject* s, TMouseButton b, TShiftState sh,
                                                               int x, int y) { (form->*method)(s, b, sh, x, y); }));
    }
    template <class F>
    HandlerTable& Add(std::string name, F* form, void (F::*method)(TObject*, TShiftState, int, int)) {
        return Put(std::move(name), TMouseMoveEvent([form, method](TObject* s, TShiftState sh, int x, int y) {
                       (form->*method)(s, sh, x, y);
                   }));
    }
    template <class F>
    HandlerTable& Add(std::string name, F* form, void (F::*method)(TObject*, std::uint16_t&, TShiftState)) {
        return Put(std::move(name), TKeyEvent([form, method](TObject* s, std::uint16_t& key, TShiftState sh) {
                       (form->*method)(s, key, sh);
                   }));
    }
    template <class F>
    HandlerTable& Add(std::string name, F* form, void (F::*method)(TObject*, char&)) {
        return Put(std::move(name), TKeyPressEvent([form, method](TObject* s, char& key) { (form->*method)(s, key); }));
    }

    // The handler of that name; null if none.
    const AnyHandler* Find(std::string_view name) const;

private:
    HandlerTable& Put(std::string name, AnyHandler handler);
    std::map<std::string, AnyHandler, std::less<>> handlers_;
};
