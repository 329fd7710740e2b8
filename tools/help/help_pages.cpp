// The help pages are resources of this library; it holds no code of its own.
