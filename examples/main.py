"""Shows what the installed quorvane offers: its submodules, their members and
the size of the worker pool."""

import quorvane
from quorvane import _quorvane


def main() -> None:
    print(f"quorvane worker threads: {quorvane.get_thread_count()}")
    for name in _quorvane.__all__:
        member = getattr(_quorvane, name)
        names = getattr(member, "__all__", None)
        if names is None:
            print(f"{name}()")
        else:
            print(f"{name}: {', '.join(names) if names else '(empty)'}")


if __name__ == "__main__":
    main()
