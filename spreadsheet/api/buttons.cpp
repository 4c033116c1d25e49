#include <algorithm>

#include "spreadsheet/api/application.h"
#include "spreadsheet/api/application_state.h"
#include "spreadsheet/api/button_text.h"
#include "spreadsheet/api/worksheet.h"
#include "spreadsheet/model/error.h"

namespace spreadsheet::api {

// ---- Buttons ----------------------------------------------------------------

Buttons::Buttons(std::shared_ptr<Application> app, spreadsheet::Worksheet* sheet)
    : app_(std::move(app)), sheet_(sheet) {}

api::Button Buttons::Add(double left, double top, double width, double height) {
  app_->state().bookOf(sheet_);
  if (!(width >= 0 && height >= 0 && left >= 0 && top >= 0))
    throw Error("Add method of Buttons class failed");
  auto& list = sheet_->buttons();
  int id = 1;
  for (const spreadsheet::Button& b : list) id = std::max(id, b.id + 1);
  spreadsheet::Button b;
  b.id = id;
  b.name = "Button " + std::to_string(id);
  b.left = left;
  b.top = top;
  b.width = width;
  b.height = height;
  b.text = b.name;
  list.push_back(std::move(b));
  return api::Button(app_, sheet_, id);
}

int Buttons::Count() const {
  app_->state().bookOf(sheet_);
  return static_cast<int>(sheet_->buttons().size());
}

api::Button Buttons::Item(int index) const {
  app_->state().bookOf(sheet_);
  const auto& list = sheet_->buttons();
  if (index < 1 || index > static_cast<int>(list.size())) throw Error("Subscript out of range");
  return api::Button(app_, sheet_, list[static_cast<std::size_t>(index - 1)].id);
}

// ---- Button -----------------------------------------------------------------

Button::Button(std::shared_ptr<Application> app, spreadsheet::Worksheet* sheet, int id)
    : app_(std::move(app)), sheet_(sheet), id_(id) {}

spreadsheet::Button& Button::model() const {
  app_->state().bookOf(sheet_);
  for (spreadsheet::Button& b : sheet_->buttons())
    if (b.id == id_) return b;
  throw Error("Object required: the button has been deleted.");
}

std::string Button::Name() const {
  return model().name;
}
std::string Button::Text() const {
  return model().text;
}
void Button::setText(const std::string& text) {
  spreadsheet::Button& b = model();
  replaceText(b, {0, static_cast<int>(b.text.size())}, text);
}
std::string Button::OnAction() const {
  return model().onAction;
}
void Button::setOnAction(const std::string& macro) {
  model().onAction = macro;
}
double Button::Left() const {
  return model().left;
}
double Button::Top() const {
  return model().top;
}
double Button::Width() const {
  return model().width;
}
double Button::Height() const {
  return model().height;
}
void Button::Select() {
  model();
}

void Button::Delete() {
  model();
  std::erase_if(sheet_->buttons(), [&](const spreadsheet::Button& b) { return b.id == id_; });
}

api::Characters Button::Characters(int start, int length) const {
  model();
  if (start < 1) throw Error("Unable to get the Characters property of the Button class");
  return api::Characters(app_, sheet_, id_, start, length);
}

api::Font Button::Font() const {
  return Characters(1, -1).Font();
}

// ---- Characters -------------------------------------------------------------

Characters::Characters(std::shared_ptr<Application> app, spreadsheet::Worksheet* sheet,
                       int buttonId, int start, int length)
    : app_(std::move(app)), sheet_(sheet), buttonId_(buttonId), start_(start), length_(length) {}

std::string Characters::Text() const {
  const spreadsheet::Button& b = api::Button(app_, sheet_, buttonId_).model();
  const CharSpan span = spanOf(b, start_, length_);
  return b.text.substr(static_cast<std::size_t>(span.from),
                       static_cast<std::size_t>(span.to - span.from));
}

void Characters::setText(const std::string& text) {
  spreadsheet::Button& b = api::Button(app_, sheet_, buttonId_).model();
  replaceText(b, spanOf(b, start_, length_), text);
}

api::Font Characters::Font() const {
  return api::Font(app_, sheet_, buttonId_, start_, length_);
}

}  // namespace spreadsheet::api
