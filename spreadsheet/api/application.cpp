#include "spreadsheet/api/application.h"

#include <algorithm>
#include <mutex>

#include "spreadsheet/api/application_state.h"
#include "spreadsheet/formula/formula.h"
#include "spreadsheet/model/error.h"
#include "spreadsheet/xls/workbook_file.h"

namespace spreadsheet::api {

namespace {

std::mutex registryMutex;
std::vector<std::weak_ptr<Application>>& registry() {
  static std::vector<std::weak_ptr<Application>> live;
  return live;
}
std::function<std::shared_ptr<Application>()>& factory() {
  static std::function<std::shared_ptr<Application>()> f;
  return f;
}

}  // namespace

std::string fileNameOf(const std::string& path) {
  const auto slash = path.find_last_of("/\\");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// ---- ApplicationState -------------------------------------------------------

OpenBook& ApplicationState::bookOf(const spreadsheet::Workbook* book) {
  if (quit) throw Error("The object invoked has disconnected from its clients.");
  for (auto& b : books)
    if (b->book.get() == book) return *b;
  throw Error("Object required: the workbook has been closed.");
}

OpenBook& ApplicationState::bookOf(const spreadsheet::Worksheet* sheet) {
  if (quit) throw Error("The object invoked has disconnected from its clients.");
  for (auto& b : books)  // compares addresses only: the sheet may be gone
    for (std::size_t i = 0; i < b->book->sheetCount(); ++i)
      if (&b->book->sheet(i) == sheet) return *b;
  throw Error("Object required: the worksheet has been deleted or its workbook closed.");
}

OpenBook& ApplicationState::active() {
  if (quit) throw Error("The object invoked has disconnected from its clients.");
  return require(activeBook);
}

spreadsheet::Worksheet& ApplicationState::activeSheet() {
  OpenBook& b = active();
  return b.book->sheet(std::min(b.activeSheet, b.book->sheetCount() - 1));
}

SheetView& ApplicationState::viewOf(spreadsheet::Worksheet* sheet) {
  return bookOf(sheet).views[sheet];
}

void markChanged(Application& app, const spreadsheet::Worksheet& sheet) {
  app.state().bookOf(&sheet).dirty = true;
}

void ensureCalculated(Application& app, const spreadsheet::Workbook& book) {
  OpenBook& b = app.state().bookOf(&book);
  if (!b.dirty) return;
  formula::recalculate(*b.book);
  b.dirty = false;
}

// ---- Application ------------------------------------------------------------

Application::Application() : state_(std::make_unique<ApplicationState>()) {}
Application::~Application() = default;

std::shared_ptr<Application> Application::makeInstance() {
  std::shared_ptr<Application> app(new Application());
  std::lock_guard lock(registryMutex);
  auto& live = registry();
  std::erase_if(live, [](const std::weak_ptr<Application>& w) { return w.expired(); });
  live.push_back(app);
  return app;
}

std::shared_ptr<Application> Application::create() {
  auto f = factory();
  std::shared_ptr<Application> app = f ? f() : makeInstance();
  if (!app) throw Error("ActiveX component can't create object");
  return app;
}

void Application::setFactoryForTesting(std::function<std::shared_ptr<Application>()> f) {
  factory() = std::move(f);
}

std::shared_ptr<Application> Application::running() {
  std::lock_guard lock(registryMutex);
  for (auto& w : registry())
    if (auto app = w.lock(); app && !app->state_->quit) return app;
  return nullptr;
}

void Application::checkAlive() const {
  if (state_->quit) throw Error("The object invoked has disconnected from its clients.");
}

ApplicationState& Application::state() const {
  return *state_;
}

bool Application::hasQuit() const {
  return state_->quit;
}

void Application::Quit() {
  if (state_->quit) return;
  state_->clipboard.reset();
  state_->activeBook = nullptr;
  state_->books.clear();
  state_->quit = true;
  std::lock_guard lock(registryMutex);
  std::erase_if(registry(), [this](const std::weak_ptr<Application>& w) {
    auto app = w.lock();
    return !app || app.get() == this;
  });
}

bool Application::Visible() const {
  return state_->visible;
}
void Application::setVisible(bool v) {
  checkAlive();
  state_->visible = v;
}
bool Application::ScreenUpdating() const {
  return state_->screenUpdating;
}
void Application::setScreenUpdating(bool v) {
  checkAlive();
  state_->screenUpdating = v;
}
bool Application::DisplayAlerts() const {
  return state_->displayAlerts;
}
void Application::setDisplayAlerts(bool v) {
  checkAlive();
  state_->displayAlerts = v;
}
bool Application::EnableEvents() const {
  return state_->enableEvents;
}
void Application::setEnableEvents(bool v) {
  checkAlive();
  state_->enableEvents = v;
}
int Application::EnableCancelKey() const {
  return state_->enableCancelKey;
}
void Application::setEnableCancelKey(int v) {
  checkAlive();
  state_->enableCancelKey = v;
}
int Application::Cursor() const {
  return state_->cursor;
}
void Application::setCursor(int v) {
  checkAlive();
  state_->cursor = v;
}
bool Application::CutCopyMode() const {
  return state_->clipboard.has_value();
}
void Application::setCutCopyMode(bool on) {
  if (!on) state_->clipboard.reset();
}

api::Workbooks Application::Workbooks() {
  checkAlive();
  return api::Workbooks(shared_from_this());
}

api::Workbook Application::ActiveWorkbook() {
  return api::Workbook(shared_from_this(), state_->active().book.get());
}

api::Sheets Application::Sheets() {
  return ActiveWorkbook().Sheets();
}

api::Worksheet Application::ActiveSheet() {
  return api::Worksheet(shared_from_this(), &state_->activeSheet());
}

api::Range Application::Selection() {
  spreadsheet::Worksheet& sheet = state_->activeSheet();
  return api::Range(shared_from_this(), &sheet, state_->viewOf(&sheet).selection);
}

api::Range Application::ActiveCell() {
  spreadsheet::Worksheet& sheet = state_->activeSheet();
  return api::Range(shared_from_this(), &sheet, {CellRange::of(state_->viewOf(&sheet).active)});
}

api::Range Application::Range(const std::string& address) {
  return ActiveSheet().Range(address);
}
api::Range Application::Rows(const std::string& address) {
  return ActiveSheet().Rows(address);
}
api::Range Application::Columns(const std::string& address) {
  return ActiveSheet().Columns(address);
}
api::Range Application::Cells() {
  return ActiveSheet().Cells();
}
api::Range Application::Cells(int row, int column) {
  return ActiveSheet().Cells(row, column);
}

// ---- Workbooks --------------------------------------------------------------

Workbooks::Workbooks(std::shared_ptr<Application> app) : app_(std::move(app)) {}

api::Workbook Workbooks::Add() {
  app_->checkAlive();
  ApplicationState& st = app_->state();
  auto open = std::make_unique<OpenBook>();
  open->book = std::make_unique<spreadsheet::Workbook>();
  open->book->addSheet("Sheet1");
  open->name = "Book" + std::to_string(++st.untitledCount);
  open->fullName = open->name;
  st.books.push_back(std::move(open));
  st.activeBook = st.books.back().get();
  return api::Workbook(app_, st.activeBook->book.get());
}

api::Workbook Workbooks::Open(const std::string& path) {
  app_->checkAlive();
  ApplicationState& st = app_->state();
  for (auto& b : st.books)
    if (b->fullName == path) {
      st.activeBook = b.get();
      return api::Workbook(app_, b->book.get());
    }
  auto open = std::make_unique<OpenBook>();
  open->book = xls::openWorkbook(path);
  if (!open->book || open->book->sheetCount() == 0)
    throw Error("'" + path + "' holds no worksheet.");
  open->fullName = path;
  open->name = fileNameOf(path);
  st.books.push_back(std::move(open));
  st.activeBook = st.books.back().get();
  return api::Workbook(app_, st.activeBook->book.get());
}

int Workbooks::Count() const {
  app_->checkAlive();
  return static_cast<int>(app_->state().books.size());
}

api::Workbook Workbooks::Item(int index) const {
  app_->checkAlive();
  auto& books = app_->state().books;
  if (index < 1 || index > static_cast<int>(books.size())) throw Error("Subscript out of range");
  return api::Workbook(app_, books[static_cast<std::size_t>(index - 1)]->book.get());
}

}  // namespace spreadsheet::api
