#include "core/form.h"

namespace korvel::core {

void Form::load() {
  if (loaded_ || loading_) return;
  loading_ = true;
  loaded_ = true;
  visible_ = false;
  if (onViewCreate) onViewCreate();
  if (onLoad) onLoad();
  loading_ = false;
}

void Form::show() {
  load();
  if (visible_) return;
  visible_ = true;
  if (onViewShow) onViewShow();
}

void Form::hide() {
  if (!loaded_ || !visible_) return;
  visible_ = false;
  if (onViewHide) onViewHide();
}

void Form::unload() {
  if (!loaded_) return;
  if (onUnload) onUnload();
  visible_ = false;
  loaded_ = false;
  if (onViewDestroy) onViewDestroy();
  if (onDestroyed) onDestroyed();
}

void Form::setCaption(const std::string& caption) {
  load();
  if (caption == caption_) return;
  caption_ = caption;
  if (onViewCaption) onViewCaption();
}

void Form::setLeft(int v) {
  load();
  geometry_.left = v;
  if (onViewGeometry) onViewGeometry();
}

void Form::setTop(int v) {
  load();
  geometry_.top = v;
  if (onViewGeometry) onViewGeometry();
}

void Form::setWidth(int v) {
  load();
  geometry_.width = v;
  if (onViewGeometry) onViewGeometry();
}

void Form::setHeight(int v) {
  load();
  geometry_.height = v;
  if (onViewGeometry) onViewGeometry();
}

void Form::setGeometry(const Geometry& g) {
  load();
  geometry_ = g;
  if (onViewGeometry) onViewGeometry();
}

}  // namespace korvel::core
