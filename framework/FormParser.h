#pragma once
// The text form of form descriptions:
//
//   object Form1: TForm1
//     Caption = 'Hopmark'          strings in single quotes, '' for a quote
//     ClientWidth = 299            integers
//     BorderStyle = bsSingle       identifiers: enumerations, True/False,
//     RBPopupMenu = PmRight          components, handlers
//     BorderIcons = [biSystemMenu] sets
//     Font.Height = -12            dotted names reach into a property
//     object Label1: TLabel        nested components
//       ...
//     end
//   end
//
// Lines starting with "//" are comments.

#include <string>
#include <string_view>
#include <vector>

struct PropertyValue {
    enum class Kind { Integer, String, Identifier, Set } kind = Kind::Integer;
    long long integer = 0;
    std::string text;                // String and Identifier
    std::vector<std::string> items;  // Set
    int line = 0;
};

struct PropertyNode {
    std::string name;
    PropertyValue value;
};

struct ObjectNode {
    std::string name;
    std::string className;
    std::vector<PropertyNode> properties;
    std::vector<ObjectNode> children;
    int line = 0;
};

// Throws EReadError naming the line for text that is not a description.
ObjectNode ParseFormDescription(std::string_view text);
