"""Shows what the installed quorvane offers: its submodules, their members and
the size of the worker pool."""

import types

import quorvane
from quorvane import _quorvane


def main() -> None:
    print(f"quorvane worker threads: {quorvane.get_thread_count()}")
    for name in _quorvane.__all__:
        member = getattr(_quorvane, name)
        if not isinstance(member, types.ModuleType):
            print(f"{name}()")
            continue
        names = getattr(member, "__all__", [])
        print(f"{name}: {', '.join(names) if names else '(empty)'}")


if __name__ == "__main__":
    main()
