#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <pugixml.hpp>

namespace zz::xml {

// Loads `path`, keeping the declaration, processing instructions, the doctype and comments
// as nodes, so that "the first top-level node" is exactly the first node of the file.
// Throws FileError when the file cannot be read and XmlParseError when it is not well-formed
// (checked by a conforming reader first) or nests elements deeper than 256 levels.
void load(pugi::xml_document& doc, const QString& path);

// The same for bytes in memory; `fileName` names the source in errors.
void parse(pugi::xml_document& doc, const QByteArray& bytes, const QString& fileName);

// The document raw: UTF-8, no indentation, and no declaration unless the tree holds one (the
// files the program writes are built from scratch, so they never do). A CR is written as a
// character reference, so every text reads back identical. Throws Error when a text holds a
// character XML cannot carry.
QByteArray toBytes(const pugi::xml_document& doc);

// Writes the document raw to `path` atomically; throws FileError naming `path` on failure.
void save(const pugi::xml_document& doc, const QString& path);

// The document's first top-level node of any kind (may be a declaration or a comment).
pugi::xml_node firstTopLevelNode(const pugi::xml_document& doc);

// The first top-level element named `name`, or an empty node.
pugi::xml_node topLevelElement(const pugi::xml_document& doc, const char* name);

// The first child element of `parent` named `name`, or an empty node.
pugi::xml_node childElement(pugi::xml_node parent, const char* name);

// The text of an element: its character data and that of its descendants, in document order.
QString text(pugi::xml_node node);

// The text of the first child element named `name`, or nothing when there is no such element.
std::optional<QString> childText(pugi::xml_node parent, const char* name);

// An attribute's value; nothing when the attribute is absent (an empty value is present).
std::optional<QString> attribute(pugi::xml_node node, const char* name);

// The appenders throw Error when `value` holds a character XML cannot carry.

// Appends a child element holding only `value` as its text.
pugi::xml_node appendTextElement(pugi::xml_node parent, const char* name, const QString& value);

// Appends an attribute; attributes keep the order in which they are appended.
void appendAttribute(pugi::xml_node node, const char* name, const QString& value);

// Appends a comment at document level (after the nodes already there).
void appendComment(pugi::xml_node parent, const QString& value);

} // namespace zz::xml
