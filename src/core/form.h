// A window of the program as the behaviour sees it: it exists (is loaded)
// or not, is shown or hidden, and keeps a caption and an outer geometry in
// twips. Referring to a window that does not exist creates it, hidden.
#pragma once

#include <functional>
#include <string>

namespace korvel::core {

struct Geometry {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

class Form {
 public:
  explicit Form(std::string name) : name_(std::move(name)) {}
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  const std::string& name() const { return name_; }
  bool loaded() const { return loaded_; }
  bool visible() const { return visible_; }

  // Creates the window, hidden, if it does not exist (running its creation
  // steps); does nothing otherwise.
  void load();
  void show();
  void hide();
  // Closes the window: its closing steps run, then it is destroyed.
  void unload();

  const std::string& caption() const { return caption_; }
  void setCaption(const std::string& caption);

  const Geometry& geometry() const { return geometry_; }
  // Set by the program; each loads the window first.
  void setLeft(int v);
  void setTop(int v);
  void setWidth(int v);
  void setHeight(int v);
  void setGeometry(const Geometry& g);
  // The window moved or was resized on screen.
  void geometryFromView(const Geometry& g) { geometry_ = g; }

  bool minimized() const { return minimized_; }
  void setMinimizedFromView(bool m) { minimized_ = m; }

  // Creation and closing steps of the window itself.
  std::function<void()> onLoad;
  std::function<void()> onUnload;
  std::function<void()> onDestroyed;

  // The window system follows the model through these.
  std::function<void()> onViewCreate;
  std::function<void()> onViewDestroy;
  std::function<void()> onViewShow;
  std::function<void()> onViewHide;
  std::function<void()> onViewGeometry;
  std::function<void()> onViewCaption;

 private:
  std::string name_;
  std::string caption_;
  Geometry geometry_;
  bool loaded_ = false;
  bool visible_ = false;
  bool loading_ = false;
  bool minimized_ = false;
};

}  // namespace korvel::core
